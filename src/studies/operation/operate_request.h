// What is asked of a gate's operation: a lowering or a raising of a load
// case, a flood through the pond, or the gate's rating.
#ifndef TQWEIR_STUDIES_OPERATION_OPERATE_REQUEST_H_
#define TQWEIR_STUDIES_OPERATION_OPERATE_REQUEST_H_

#include <cstddef>
#include <string>
#include <vector>

namespace tqweir {
namespace operate {

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
  std::vector<int> failed;  // --failed: gate numbers from 1, as given
  bool has_fail_count = false;
  int fail_count = 0;       // --fail-count K
  std::vector<double> levels;  // --rating, m
  std::vector<double> angles;  // --angles, degree; empty: the base case's
  std::string output;     // TABLE.csv; empty: no table
};

}  // namespace operate
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_OPERATION_OPERATE_REQUEST_H_
