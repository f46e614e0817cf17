// The bisection on the bag-pressure parameter alpha, and one trial of it.
#ifndef TQWEIR_DRIVER_BISECTION_H_
#define TQWEIR_DRIVER_BISECTION_H_

#include <functional>
#include <string>

#include "driver/run_cache.h"
#include "core/run_state.h"

namespace tqweir {

// Receives the water-surface file's content once per trial, in the trial's
// place in the run (after the trial's geometry checks). The content is the
// same in every trial of a run. May throw StopRun (a failed write).
using SurfaceSink = std::function<void(const std::string& rows)>;

// One trial at `alpha`, filed as trial index `trial` (0 lower bound, 1 upper
// bound, 2 midpoint): geometry and its checks, water surface and upstream
// load, downstream and layer loads, moment balance. Throws
// StopRun(balance_not_finite) when the residual is not a finite number.
void run_trial(RunState& state, int trial, double alpha, const SurfaceSink& sink);

// The same, taking the membrane shape and the water surface from the run's
// `cache` (built there on first use: the surface in the first trial that
// passes its geometry checks, so the stops come in the same order).
void run_trial(RunState& state, int trial, double alpha, const SurfaceSink& sink,
               RunCache& cache);

// Brackets alpha in [2, 500]; every iteration re-evaluates the lower bound,
// the upper bound and the midpoint, checks that the residual is >= 0 at the
// lower and <= 0 at the upper bound, and moves the bounds, until the bracket
// is at most 0.0001 wide (23 iterations, 69 trials for a regular case). The
// last trial, the final midpoint, is the result; then forms the stopper's
// base angle. Throws StopRun(no_solution_below / no_solution_above) and lets
// the trials' stops through.
void solve_alpha(RunState& state, const SurfaceSink& sink);

// The same with the run's `cache`: each distinct alpha's membrane shape and
// the surface are computed once. Same results, stops and sink calls.
void solve_alpha(RunState& state, const SurfaceSink& sink, RunCache& cache);

}  // namespace tqweir

#endif  // TQWEIR_DRIVER_BISECTION_H_
