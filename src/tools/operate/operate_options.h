// The command line of tqweir-operate.
#ifndef TQWEIR_TOOLS_OPERATE_OPERATE_OPTIONS_H_
#define TQWEIR_TOOLS_OPERATE_OPERATE_OPTIONS_H_

#include <string>

namespace tqweir {
namespace operate {

constexpr const char* kOperateUsage =
    "usage: tqweir-operate DESIGN_DIR --lower [--case NAME] [--within MINUTES] [-o TABLE.csv]\n"
    "       tqweir-operate DESIGN_DIR --raise [--case NAME] [--within MINUTES] [-o TABLE.csv]\n"
    "       tqweir-operate --help | --version\n";

struct OperateOptions {
  bool help = false;
  bool version = false;
  std::string dir;
  bool lower = false;     // --lower, else --raise
  std::string case_name;  // --case, empty when not given
  bool has_case = false;
  bool has_within = false;
  double within_minutes = 0.0;
  std::string output;     // TABLE.csv; empty: no table
};

// Parses argv[1..]. Throws text::InputError saying what is wrong: an
// unknown option, a missing value, --within not a finite number above 0,
// neither or both of --lower and --raise, no DESIGN_DIR or two.
OperateOptions parse_operate_options(int argc, const char* const* argv);

}  // namespace operate
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_OPERATE_OPERATE_OPTIONS_H_
