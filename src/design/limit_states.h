// The limit states of a design: for each load case, the value of one load
// variable at which each design check's ratio reaches 1, and the value at
// which the run begins to stop, found by the search of tqweir-seek.
#ifndef TQWEIR_DESIGN_LIMIT_STATES_H_
#define TQWEIR_DESIGN_LIMIT_STATES_H_

#include <string>
#include <vector>

#include "search/case_probe.h"
#include "design/design.h"
#include "design/design_checks.h"

namespace tqweir {
namespace design {

// The goal of a check as the search watches it: |value| * unit / limit
// against 1, the unit (kPa per printed MPa, or 1) as check_printed takes it.
// REQUIRES: criterion.given.
search::Goal criterion_goal(const Criterion& criterion);

// Where one check reaches its limit over the range.
struct CheckLimit {
  bool found = false;      // a crossing of ratio 1 lies in the range
  bool rising = true;      // the ratio rises through 1 as the variable rises
  bool above_at_lo = false;  // no crossing, and the ratio is above 1 at LO already
  double value = 0.0;      // the end of the narrowed bracket closer to ratio 1
  double lo = 0.0, hi = 0.0;  // the bracket
  std::string ratio_text;  // the report's printed ratio at `value`
  int crossings = 0;       // crossings in the range
  bool any_finished = false;  // a run of the scan finished (else nothing is known)
};

// Where the runs change between finishing and stopping.
struct StopLimit {
  bool found = false;
  bool begins = true;      // finishing below the value, stopping above it
  double value = 0.0;      // the finishing side's end of the narrowed bracket
  double beyond = 0.0;     // the stopping side's end
  Message message = Message::finished;  // the stop met beyond it
  // No run of the scan finished: the run stops over the whole range, with
  // `message` at LO.
  bool whole_range = false;
};

struct CaseLimits {
  std::vector<CheckLimit> checks;  // one per criterion of the list, given or not
  StopLimit stop;
  // The smallest value among the rising crossings, a ratio above 1 at LO
  // (then LO), a boundary where the runs begin to stop and a stop over the
  // whole range (then LO); found unless there is none.
  bool governing_found = false;
  double governing = 0.0;
  int governing_check = -1;  // the criterion's index, or -1 for the stop
  int solves = 0;
};

// Settings: the scan of the range and the width a bracket is narrowed to,
// as a fraction of the range (far below the four decimals the report
// prints of a limit).
struct LimitSettings {
  int scan_intervals = 8;
  double relative_tolerance = 1e-7;
  int threads = 0;  // 0: the machine's cores
};

// The limits of every load case of `design` over criteria.search's
// variable and range. Each case's solves are shared by its checks and its
// stop search; the cases are searched in parallel.
// REQUIRES: design.criteria.search.limit_field set.
std::vector<CaseLimits> find_limits(const Design& design, const std::vector<Criterion>& criteria,
                                    const LimitSettings& settings);

}  // namespace design
}  // namespace tqweir

#endif  // TQWEIR_DESIGN_LIMIT_STATES_H_
