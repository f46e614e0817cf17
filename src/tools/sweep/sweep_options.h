// The command line of tqweir-sweep.
#ifndef TQWEIR_TOOLS_SWEEP_SWEEP_OPTIONS_H_
#define TQWEIR_TOOLS_SWEEP_SWEEP_OPTIONS_H_

#include <string>
#include <vector>

#include "studies/sweep/sweep_study.h"

namespace tqweir {
namespace sweep {

constexpr const char* kSweepUsage =
    "usage: tqweir-sweep BASE_DIR (CASES.csv | --range NAME=FROM:TO:STEP ...)\n"
    "                    [-o RESULT.csv] [-j N]\n"
    "       tqweir-sweep --help | --version\n";

// The command line as given; the tool reads the files it names into a
// SweepRequest.
struct SweepOptions {
  bool help = false;
  bool version = false;
  std::string base_dir;
  std::string cases_file;           // empty when the cases come from ranges
  std::vector<std::string> ranges;  // the --range arguments, in order
  std::string output = "sweep.csv";
  int threads = 0;                  // 0: one per processor
};

// Parses argv[1..]: BASE_DIR, then either CASES.csv or one or more
// "--range NAME=FROM:TO:STEP" (also "--range=..."), "-o FILE", "-j N" (1 to
// kMaxThreads), "-h"/"--help", "--version". Throws text::InputError saying
// what is wrong.
SweepOptions parse_sweep_options(int argc, const char* const* argv);

}  // namespace sweep
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_SWEEP_SWEEP_OPTIONS_H_
