#include "section/trial_geometry.h"

#include <cmath>

#include "core/constants.h"
#include "core/stop.h"

namespace tqweir {

void evaluate_trial_geometry(RunState& state, double alpha) {
  EllipticIntegrals integrals;
  const DerivedInput& d = state.derived;
  apply_membrane_shape(state, alpha,
                       solve_membrane_shape(alpha, d.hd_nd, d.theta1, d.theta2, integrals));
}

void apply_membrane_shape(RunState& state, double alpha, const MembraneShape& shape) {
  TrialState& t = state.trial;
  const double beta = state.derived.hd_nd;

  t.TB = shape.TB;
  t.s1 = shape.s1;
  t.s2 = shape.s2;
  t.s_bottom = shape.s_bottom;
  t.u1 = shape.u1;
  t.u2 = shape.u2;
  t.u_bottom = shape.u_bottom;
  t.p1_x = shape.p1_x;
  t.p1_y = shape.p1_y;
  t.p2_x = shape.p2_x;
  t.p2_y = shape.p2_y;
  t.p3_x = shape.p3_x;
  t.p3_y = shape.p3_y;
  t.chord1 = shape.chord1;
  t.chord2 = shape.chord2;
  t.arc1 = shape.arc1;
  t.arc2 = shape.arc2;
  t.arc_pi = shape.arc_pi;
  t.perimeter_nd = shape.perimeter_nd;

  // The next trial divides the re-stored perimeter, not the input.
  t.scale = state.perimeter / t.perimeter_nd;
  state.perimeter = t.perimeter_nd * t.scale;

  t.chord1_m = t.chord1 * t.scale;
  t.chord2_m = t.chord2 * t.scale;
  t.bag_height = 1.0 * t.scale;

  t.p3_rise = std::fabs(1.0 - t.p3_y) * t.scale;
  t.hd_m = beta * t.scale;
  t.hd_rel = t.hd_m - t.p3_rise;
  t.Hd = t.p3_rise <= t.hd_m ? t.hd_m - t.p3_rise : 0.0;
  if (t.Hd > state.profile.crest_height) throw StopRun(Message::downstream_too_deep);

  t.bag_pressure = alpha * kGravity * t.bag_height * kWaterDensity;
  t.bag_tension = t.TB * kGravity * t.bag_height * t.bag_height * kWaterDensity;

  t.spread_angle_deg = 90.0 - (state.derived.theta1_deg + state.syogen.theta2_deg) * 0.75;
  t.spread_angle = t.spread_angle_deg * kPi / 180.0;
  t.width_factor = state.syogen.span /
                   (state.syogen.span - t.chord2_m / std::tan(t.spread_angle));

  t.bag_force1 = t.bag_pressure * t.chord1_m;
  t.bag_force2 = t.bag_pressure * t.chord2_m;
}

}  // namespace tqweir
