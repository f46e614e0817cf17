#include "driver/bisection.h"

#include <cmath>

#include "core/constants.h"
#include "core/stop.h"
#include "section/balance.h"
#include "section/leaf_loads.h"
#include "section/membrane_shape.h"
#include "section/trial_geometry.h"
#include "section/water_surface.h"

namespace tqweir {

TrialState run_trial(RunState& state, double alpha, const SurfaceSink& sink, RunCache& cache) {
  ++state.bisection.trials;
  TrialState t;
  t.alpha = alpha;
  t.shape = cache.shape(shape_input(state), alpha);
  t.bag = scale_bag(state, t.shape, alpha, state.perimeter);
  // The next trial divides the re-stored perimeter, not the input.
  state.perimeter = t.bag.perimeter;
  const SurfaceWithRows& surface = cache.surface(surface_input(state));
  t.upstream = surface.surface.upstream;
  if (sink) sink(surface.rows);
  t.loads = compute_leaf_loads(state, t.bag);
  t.balance = compute_balance(state, t.bag, t.upstream, t.loads);
  // A not-a-number residual would pass the sign tests in silence and end the
  // bisection on a meaningless section.
  if (!std::isfinite(t.balance.residual)) throw StopRun(Message::balance_not_finite);
  return t;
}

void solve_alpha(RunState& state, const SurfaceSink& sink, RunCache& cache) {
  BisectionState& b = state.bisection;
  b.alpha_lo = 2.0;
  b.alpha_hi = 500.0;
  b.iterations = 0;
  b.trials = 0;
  for (;;) {
    const double alpha_mid = (b.alpha_lo + b.alpha_hi) / 2.0;
    const double residual_lo = run_trial(state, b.alpha_lo, sink, cache).balance.residual;
    const double residual_hi = run_trial(state, b.alpha_hi, sink, cache).balance.residual;
    state.trial = run_trial(state, alpha_mid, sink, cache);
    const double residual_mid = state.trial.balance.residual;
    ++b.iterations;

    if (!(residual_lo >= 0.0)) throw StopRun(Message::no_solution_below);
    if (residual_hi > 0.0) throw StopRun(Message::no_solution_above);

    // Tested independently: a zero product moves both bounds onto the
    // midpoint and ends the search there.
    if (!(residual_lo * residual_mid > 0.0)) b.alpha_hi = alpha_mid;
    if (!(residual_hi * residual_mid > 0.0)) b.alpha_lo = alpha_mid;

    b.bracket_width = b.alpha_hi - b.alpha_lo;
    if (!(std::fabs(b.bracket_width) > 0.0001)) break;
  }
  b.stopper_base_angle =
      kPi - (state.derived.theta1 + state.derived.theta2 + state.trial.balance.stopper_angle);
  b.stopper_base_angle_deg = b.stopper_base_angle * 180.0 / kPi;
}

}  // namespace tqweir
