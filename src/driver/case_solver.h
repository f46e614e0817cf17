// Solving one design case in memory, from its three inputs to the contents
// of its output files. No file is touched here: the caller decides where
// (and whether) the results are written.
#ifndef TQWEIR_DRIVER_CASE_SOLVER_H_
#define TQWEIR_DRIVER_CASE_SOLVER_H_

#include <vector>

#include "driver/bisection.h"
#include "core/run_state.h"
#include "output/section_files.h"
#include "output/summary.h"

namespace tqweir {

struct SolvedCase {
  RunState state;  // the last trial's state
  SectionFiles files;
  Summary summary;
};

// The run state before the bisection: derived quantities, the leaf laid out
// at the leaf angle as read. Throws StopRun for a span or perimeter <= 0 and
// for an overflow_mode that the water level needs but is not 1, 2 or 3.
RunState prepare_run_state(const CaseInput& input);

// Prepares, solves for alpha, and builds the coordinate files and summary.
// Throws StopRun for every reason a run stops; StopRun(result_not_finite)
// when a coordinate or summary value is not finite.
SolvedCase solve_case(const CaseInput& input, const SurfaceSink& sink);

// The same with a cache supplied by the caller: a RunCache(literal) gives
// the reference evaluation, and the cache's counter tells the work done
// (summed over every case the cache has served; one cache per case is the
// intended use).
SolvedCase solve_case(const CaseInput& input, const SurfaceSink& sink, RunCache& cache);

}  // namespace tqweir

#endif  // TQWEIR_DRIVER_CASE_SOLVER_H_
