// The command line of tqweir-operate.
#ifndef TQWEIR_TOOLS_OPERATE_PARSE_OPERATE_OPTIONS_H_
#define TQWEIR_TOOLS_OPERATE_PARSE_OPERATE_OPTIONS_H_

#include <optional>
#include <string>
#include <vector>

#include "studies/flood/flood_request.h"
#include "studies/operation/operate_request.h"

namespace tqweir {
namespace operate {

constexpr const char* kOperateUsage =
    "usage: tqweir-operate DESIGN_DIR --lower [--case NAME] [--within MINUTES] [-o TABLE.csv]\n"
    "       tqweir-operate DESIGN_DIR --raise [--case NAME] [--within MINUTES] [-o TABLE.csv]\n"
    "       tqweir-operate DESIGN_DIR --flood INFLOW.csv [--power-failure]\n"
    "                      [--failed G,H,... | --fail-count K] [-o SERIES.csv]\n"
    "       tqweir-operate DESIGN_DIR --rating FROM:TO:STEP [--angles A,B,...] [-o RATING.csv]\n"
    "       tqweir-operate --help | --version\n";

enum class Mode { lower, raise, flood, rating };

// The command line as the studies' requests: the one of `mode` is filled,
// the others keep their defaults.
struct OperateCommand {
  bool help = false;
  bool version = false;
  std::string dir;
  Mode mode = Mode::lower;
  OperateRequest operation;  // --lower, --raise
  std::string inflow;        // --flood INFLOW.csv, read once the design reads
  FloodRequest flood;        // --flood, its inflow still to read
  RatingRequest rating;      // --rating
  std::string output;        // -o TABLE.csv; empty: no table
};

// Parses argv[1..]. Throws text::InputError saying what is wrong: an
// unknown or repeated option, a missing value, --within not a number from
// kLeastWithinMinutes to kMostWithinMinutes, not exactly one of --lower, --raise, --flood and
// --rating, an option the chosen one does not take (--case and --within
// belong to --lower and --raise, --power-failure, --failed and --fail-count
// to --flood, --angles to --rating), --failed beside --fail-count, a gate
// number not whole, below 1 or given twice, a rating range or angle list
// refused, no DESIGN_DIR or two. The gates' numbers against the weir's
// count are the flood job's to refuse.
OperateCommand parse_operate_options(int argc, const char* const* argv);

}  // namespace operate
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_OPERATE_PARSE_OPERATE_OPTIONS_H_
