// The command line of tqweir-operate.
#ifndef TQWEIR_TOOLS_OPERATE_OPERATE_OPTIONS_H_
#define TQWEIR_TOOLS_OPERATE_OPERATE_OPTIONS_H_

#include <string>
#include <vector>

namespace tqweir {
namespace operate {

constexpr const char* kOperateUsage =
    "usage: tqweir-operate DESIGN_DIR --lower [--case NAME] [--within MINUTES] [-o TABLE.csv]\n"
    "       tqweir-operate DESIGN_DIR --raise [--case NAME] [--within MINUTES] [-o TABLE.csv]\n"
    "       tqweir-operate DESIGN_DIR --flood INFLOW.csv [--power-failure] [-o SERIES.csv]\n"
    "       tqweir-operate DESIGN_DIR --rating FROM:TO:STEP [--angles A,B,...] [-o RATING.csv]\n"
    "       tqweir-operate --help | --version\n";

enum class Mode { lower, raise, flood, rating };

// Most levels of a rating.
constexpr std::size_t kMaxRatingLevels = 2000;

// The times --within takes (min). The sizing scales the path's time: a
// time far outside these would ask for a valve or a blower beyond any
// that exists (a valve_area of 1e-300 m2), and at the extremes for a
// number a double cannot hold (0, or an infinite factor). The quasi-static
// path already assumes an operation slower than the leaf's own swing,
// which settles within seconds.
constexpr double kLeastWithinMinutes = 0.01;
constexpr double kMostWithinMinutes = 1e6;

struct OperateOptions {
  bool help = false;
  bool version = false;
  std::string dir;
  Mode mode = Mode::lower;
  bool lower = false;     // mode is lower
  std::string case_name;  // --case, empty when not given
  bool has_case = false;
  bool has_within = false;
  double within_minutes = 0.0;
  std::string inflow;     // --flood INFLOW.csv
  bool power_failure = false;
  std::vector<double> levels;  // --rating, m
  std::vector<double> angles;  // --angles, degree; empty: the base case's
  std::string output;     // TABLE.csv; empty: no table
};

// Parses argv[1..]. Throws text::InputError saying what is wrong: an
// unknown or repeated option, a missing value, --within not a number from
// kLeastWithinMinutes to kMostWithinMinutes, not exactly one of --lower, --raise, --flood and
// --rating, an option the chosen one does not take (--case and --within
// belong to --lower and --raise, --power-failure to --flood, --angles to
// --rating), a rating range or angle list refused, no DESIGN_DIR or two.
OperateOptions parse_operate_options(int argc, const char* const* argv);

}  // namespace operate
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_OPERATE_OPERATE_OPTIONS_H_
