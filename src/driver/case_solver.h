// Solving one design case in memory, from its three inputs to the contents
// of its output files. No file is touched here: the caller decides where
// (and whether) the results are written.
#ifndef TQWEIR_DRIVER_CASE_SOLVER_H_
#define TQWEIR_DRIVER_CASE_SOLVER_H_

#include "core/run_state.h"
#include "driver/bisection.h"
#include "driver/case_result.h"
#include "output/section_files.h"
#include "output/summary.h"

namespace tqweir {

struct SolvedCase {
  RunState state;  // the last trial's state
  CaseResult result;  // the finished case as values; the files and summary print it
  SectionFiles files;
  Summary summary;
  long long integrand_evaluations = 0;  // elliptic-integral work done, for benchmarks
};

// The run state before the bisection: derived quantities, the leaf laid out
// at the leaf angle as read, the loads of the case's earthquake (none when
// its seismic_coefficient is 0; REQUIRES: it is 0 or more). Throws StopRun for a span or perimeter <= 0 and
// for an overflow_mode that the water level needs but is not 1, 2 or 3.
RunState prepare_run_state(const CaseInput& input);

// Prepares, solves for alpha, gathers the result and prints from it the
// coordinate files and the summary.
// `mode` is the reuse policy: Evaluation::literal recomputes everything
// each trial and is the reference that gives the same bits. Throws StopRun
// for every reason a run stops; StopRun(result_not_finite) when a
// coordinate or summary value is not finite.
SolvedCase solve_case(const CaseInput& input, const SurfaceSink& sink,
                      Evaluation mode = Evaluation::reuse);

}  // namespace tqweir

#endif  // TQWEIR_DRIVER_CASE_SOLVER_H_
