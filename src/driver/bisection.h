// The bisection on the bag-pressure parameter alpha, and one trial of it.
#ifndef TQWEIR_DRIVER_BISECTION_H_
#define TQWEIR_DRIVER_BISECTION_H_

#include <functional>
#include <string>

#include "core/run_state.h"
#include "driver/run_cache.h"

namespace tqweir {

// Receives the water-surface file's content once per trial, in the trial's
// place in the run (after the trial's geometry checks). The content is the
// same in every trial of a run. May throw StopRun (a failed write).
using SurfaceSink = std::function<void(const std::string& rows)>;

// One trial at `alpha`: the membrane shape, the bag scaled with the
// perimeter in use (which it re-stores in `state`), the water surface and
// upstream load, the downstream and layer loads, the moment balance.
// Returns the trial's records; `state.trial` is left alone. Throws
// StopRun(balance_not_finite) when the residual is not a finite number and
// lets the stages' stops through.
TrialState run_trial(RunState& state, double alpha, const SurfaceSink& sink, RunCache& cache);

// Brackets alpha in [2, 500]; every iteration re-evaluates the lower bound,
// the upper bound and the midpoint, checks that the residual is >= 0 at the
// lower and <= 0 at the upper bound, and moves the bounds, until the bracket
// is at most 0.0001 wide (23 iterations, 69 trials for a regular case). The
// last trial, the final midpoint, becomes `state.trial`; then forms the
// stopper's base angle in `state.bisection`. Throws
// StopRun(no_solution_below / no_solution_above) and lets the trials' stops
// through.
void solve_alpha(RunState& state, const SurfaceSink& sink, RunCache& cache);

}  // namespace tqweir

#endif  // TQWEIR_DRIVER_BISECTION_H_
