// The weir's peak level with gates whose valves fail: for K failed gates
// the highest peak over the choices of K, with power and without. Every
// choice is routed on a weir of at most kEveryChoiceGates gates; on a
// larger one (2^N routes would be too many) the K gates that would lower
// first (the lowest lower_at_levels with power, backup_lower_at_levels
// without, gate number breaking ties: each carries the flood the longest)
// are the ones failed. The routes share one grid of paths and one sealed
// gate (flood/flood_passage.h's SharedPaths). The report, the page and
// Python may call failed_row and failed_table as the command does.
#ifndef TQWEIR_STUDIES_FLOOD_FAILED_GATES_H_
#define TQWEIR_STUDIES_FLOOD_FAILED_GATES_H_

#include <cstddef>
#include <string>
#include <vector>

#include "flood/flood_passage.h"
#include "studies/flood/flood_job.h"
#include "studies/flood/routed_flood.h"

namespace tqweir {
namespace operate {

// Above this many gates the choices of K failed gates are not all routed:
// 2^N routes both ways, 64 for 6 gates, take minutes where the choices by
// position take seconds.
constexpr int kEveryChoiceGates = 4;

struct FailedRow {
  int failed = 0;              // K
  bool power_failure = false;
  bool every_choice = true;    // all choices of K routed; else the first K to lower
  int choices = 0;             // routes made
  // Every choice's route reached the flood's end: only then is the highest
  // peak known. Else `stop` says which choice stopped, and why.
  bool determined = false;
  double peak_level = 0.0;     // m, the highest over the choices, when determined
  double peak_time = 0.0;      // s, when the worst choice peaks
  std::vector<int> worst;      // the gates (from 1) of the choice with the highest peak
  std::string stop;
};

// The `k` gates of the weir of `file` that would lower first (the lowest
// lower_at_levels with power, backup_lower_at_levels without, gate number
// breaking ties): one flag per gate, gate 1 first. Failed, they are the
// ones that would have carried the flood the longest.
std::vector<bool> first_to_lower(const operation::OperationFile& file, int k, bool power_failure);

// The choices of `k` failed gates of `job`'s weir routed: one flag per
// gate each, in lexicographic order of the gates' numbers.
std::vector<std::vector<bool>> failed_choices(const FloodJob& job, int k, bool power_failure);

// The row of K = `k`; `worst`, when given, receives the worst choice's
// route (the first route that stopped, when one did). `shared` as
// route_flood's. REQUIRES: 0 <= k <= the weir's gates.
FailedRow failed_row(const FloodJob& job, int k, bool power_failure, flood::SharedPaths* shared,
                     RoutedFlood* worst = nullptr);

// The rows for K = 0 to `most` (the weir's gates when below 0), with power
// then without for each K, over one SharedPaths (`shared`, or one of its
// own when that is nullptr).
std::vector<FailedRow> failed_table(const FloodJob& job, int most = -1, flood::SharedPaths* shared = nullptr);

// The row as the printout gives it: "  1 failed, with power: peak 3.912
// m at 14 h 10 min (51000 s), the highest of 4 choices (gate 3)", or
// "... not determined: gates 2, 3: the route stops ...".
std::string failed_row_text(const FailedRow& row);

// "gates 2, 5" (or "gate 3", "no gate").
std::string gates_text(const std::vector<int>& gates);

}  // namespace operate
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_FLOOD_FAILED_GATES_H_
