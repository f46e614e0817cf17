#include "studies/sweep/sweep_study.h"

#include <algorithm>
#include <thread>

#include "studies/sweep/result_table.h"

namespace tqweir {
namespace sweep {

int sweep_threads(int wanted) {
  if (wanted > 0) return wanted;
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : static_cast<int>(std::min(cores, unsigned(kMaxThreads)));
}

SweepResult run_sweep(const SweepRequest& request, const ProgressReport& report) {
  SweepResult result;
  result.threads = sweep_threads(request.threads);
  result.outcomes = solve_all(request.base, request.cases, result.threads, report);
  result.table = result_table(request.cases, result.outcomes);
  return result;
}

}  // namespace sweep
}  // namespace tqweir
