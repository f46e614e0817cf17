#include "section/trial_geometry.h"

#include <cmath>

#include "core/constants.h"
#include "core/stop.h"

namespace tqweir {

BagSection scale_bag(const RunState& state, const MembraneShape& shape, double alpha,
                     double perimeter) {
  BagSection b;
  const double beta = state.derived.hd_nd;

  b.scale = perimeter / shape.perimeter_nd;
  b.perimeter = shape.perimeter_nd * b.scale;

  b.chord1_m = shape.chord1 * b.scale;
  b.chord2_m = shape.chord2 * b.scale;
  b.bag_height = 1.0 * b.scale;

  b.p3_rise = std::fabs(1.0 - shape.p3_y) * b.scale;
  b.hd_m = beta * b.scale;
  b.hd_rel = b.hd_m - b.p3_rise;
  b.Hd = b.p3_rise <= b.hd_m ? b.hd_m - b.p3_rise : 0.0;
  if (b.Hd > state.profile.crest_height) throw StopRun(Message::downstream_too_deep);

  b.bag_pressure = alpha * kGravity * b.bag_height * kWaterDensity;
  b.bag_tension = shape.TB * kGravity * b.bag_height * b.bag_height * kWaterDensity;

  b.spread_angle_deg = 90.0 - (state.derived.theta1_deg + state.syogen.theta2_deg) * 0.75;
  b.spread_angle = b.spread_angle_deg * kPi / 180.0;
  b.width_factor = state.syogen.span /
                   (state.syogen.span - b.chord2_m / std::tan(b.spread_angle));

  b.bag_force1 = b.bag_pressure * b.chord1_m;
  b.bag_force2 = b.bag_pressure * b.chord2_m;
  return b;
}

}  // namespace tqweir
