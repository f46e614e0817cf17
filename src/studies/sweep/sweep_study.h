// The sweep as a study: a base case and a table of cases to lay over it,
// given as typed values (the command fills them from its arguments, Python
// from keywords), solved on worker threads into the result table.
#ifndef TQWEIR_STUDIES_SWEEP_SWEEP_STUDY_H_
#define TQWEIR_STUDIES_SWEEP_SWEEP_STUDY_H_

#include <string>
#include <vector>

#include "cases/case_table.h"
#include "core/run_state.h"
#include "studies/sweep/case_outcome.h"

namespace tqweir {
namespace sweep {

// Most worker threads a sweep starts.
constexpr int kMaxThreads = 256;

struct SweepRequest {
  CaseInput base;          // the case every row is laid over
  cases::CaseTable cases;  // one row per case, the fields it replaces
  int threads = 0;         // worker threads, 1 to kMaxThreads; 0: one per processor
};

struct SweepResult {
  std::vector<CaseOutcome> outcomes;  // in the table's row order
  int threads = 0;                    // the threads asked for, 0 resolved
  std::string table;                  // RESULT.csv's bytes (result_table)
};

// `wanted` threads, or for 0 one per processor (at least 1, at most
// kMaxThreads).
int sweep_threads(int wanted);

// Solves every row of the request (solve_all, `report` as it takes it)
// and lays the outcomes out as the result table.
SweepResult run_sweep(const SweepRequest& request, const ProgressReport& report);

}  // namespace sweep
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_SWEEP_SWEEP_STUDY_H_
