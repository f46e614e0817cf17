// Solving the cases of a sweep in memory, on several threads.
#ifndef TQWEIR_TOOLS_SWEEP_CASE_OUTCOME_H_
#define TQWEIR_TOOLS_SWEEP_CASE_OUTCOME_H_

#include <functional>
#include <string>
#include <vector>

#include "core/run_state.h"
#include "cases/case_table.h"

namespace tqweir {
namespace sweep {

// How one case ended, as the program's run on the same input files ends.
struct CaseOutcome {
  bool ok = false;
  std::string status;   // message_key: "ok", or the kind of stop
  std::string message;  // the line of error.csv without its line end, CP932
  std::string summary;  // the line of TQSpec.csv; empty unless ok
};

// Solves a case whose inputs are in memory exactly as the program would
// solve them read from files (run_in_memory: the readers' checks in their
// order, then the solve's). Never throws: a stop is the outcome, and
// so is a failed allocation ("out_of_memory", with the empty log that run
// leaves) or any other exception ("internal_error", empty message).
CaseOutcome solve_one(const CaseInput& input);

// Called on the calling thread with the number of cases done so far, about
// ten times a second while the cases run and once when all are done.
using ProgressReport = std::function<void(std::size_t done)>;

// Solves every row of `table` on the base case with `threads` worker
// threads (fewer when there are fewer cases, or when the system refuses
// more; the calling thread itself works when none can be started).
// Outcomes are in row order whatever the number of threads. The core keeps
// no state between calls, so the workers share nothing but the next row's
// index.
std::vector<CaseOutcome> solve_all(const CaseInput& base, const cases::CaseTable& table, int threads,
                                   const ProgressReport& report);

}  // namespace sweep
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_SWEEP_CASE_OUTCOME_H_
