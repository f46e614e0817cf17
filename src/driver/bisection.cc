#include "driver/bisection.h"

#include <cmath>

#include "core/constants.h"
#include "core/stop.h"
#include "section/water_surface.h"
#include "section/balance.h"
#include "section/leaf_loads.h"
#include "section/trial_geometry.h"

namespace tqweir {

void run_trial(RunState& state, int trial, double alpha, const SurfaceSink& sink) {
  RunCache cache;
  run_trial(state, trial, alpha, sink, cache);
}

void run_trial(RunState& state, int trial, double alpha, const SurfaceSink& sink,
               RunCache& cache) {
  state.bisection.trial = trial;
  state.bisection.alpha = alpha;
  ++state.bisection.trials;
  const DerivedInput& d = state.derived;
  apply_membrane_shape(state, alpha, cache.shape(alpha, d.hd_nd, d.theta1, d.theta2));
  const WaterSurface& surface = cache.surface(state);
  store_water_surface(state.trial, surface);
  if (sink) sink(surface.rows);
  compute_leaf_loads(state);
  compute_balance(state);
  // A not-a-number residual would pass the sign tests in silence and end the
  // bisection on a meaningless section.
  if (!std::isfinite(state.trial.residual)) throw StopRun(Message::balance_not_finite);
}

void solve_alpha(RunState& state, const SurfaceSink& sink) {
  RunCache cache;
  solve_alpha(state, sink, cache);
}

void solve_alpha(RunState& state, const SurfaceSink& sink, RunCache& cache) {
  BisectionState& b = state.bisection;
  b.alpha_lo = 2.0;
  b.alpha_hi = 500.0;
  b.iterations = 0;
  b.trials = 0;
  for (;;) {
    b.alpha_mid = (b.alpha_lo + b.alpha_hi) / 2.0;
    run_trial(state, 0, b.alpha_lo, sink, cache);
    run_trial(state, 1, b.alpha_hi, sink, cache);
    run_trial(state, 2, b.alpha_mid, sink, cache);
    ++b.iterations;

    if (!(b.residual_lo >= 0.0)) throw StopRun(Message::no_solution_below);
    if (b.residual_hi > 0.0) throw StopRun(Message::no_solution_above);

    b.product_lo = b.residual_lo * b.residual_mid;
    b.product_hi = b.residual_hi * b.residual_mid;
    // Tested independently: a zero product moves both bounds onto the
    // midpoint and ends the search there.
    if (!(b.product_lo > 0.0)) b.alpha_hi = b.alpha_mid;
    if (!(b.product_hi > 0.0)) b.alpha_lo = b.alpha_mid;

    b.bracket_width = b.alpha_hi - b.alpha_lo;
    if (!(std::fabs(b.bracket_width) > 0.0001)) break;
  }
  b.stopper_base_angle = kPi - (state.derived.theta1 + state.derived.theta2 + state.trial.stopper_angle);
  b.stopper_base_angle_deg = b.stopper_base_angle * 180.0 / kPi;
}

}  // namespace tqweir
