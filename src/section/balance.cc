#include "section/balance.h"

#include <cmath>

#include "core/constants.h"

namespace tqweir {
namespace {

// Walks the polyline: the point at `distance` along it; beyond the tip, the
// tip; a negative distance extends the first segment back past node 0.
void place_anchor(const LeafProfile& leaf, double distance, double& x,
                  double& y) {
  double w = 0.0;
  for (int i = 1; i <= leaf.last_node; ++i) {
    w = w + leaf.seg_length[i];
    if (distance < w) {
      const double v = w - distance;
      x = leaf.node_x[i] - ((leaf.node_x[i] - leaf.node_x[i - 1]) * v) / leaf.seg_length[i];
      y = leaf.node_y[i] - ((leaf.node_y[i] - leaf.node_y[i - 1]) * v) / leaf.seg_length[i];
      return;
    }
    x = leaf.node_x[leaf.last_node];
    y = leaf.node_y[leaf.last_node];
  }
}

}  // namespace

Balance compute_balance(const RunState& state, const BagSection& bag,
                        const UpstreamWater& upstream, const LeafLoads& loads) {
  Balance t;
  const SyogenInput& s = state.syogen;
  const DerivedInput& d = state.derived;
  const LeafProfile& leaf = state.profile;

  place_anchor(leaf, s.anchor_distance, t.anchor_x, t.anchor_y);
  t.stopper_base_x = s.base_distance;
  t.stopper_base_y = std::tan(d.theta2) * (-s.base_distance);

  t.anchor_angle = std::atan(t.anchor_y / t.anchor_x);
  t.anchor_radius = std::sqrt(t.anchor_x * t.anchor_x + t.anchor_y * t.anchor_y);

  const Load& up = upstream.load;
  const Load& dn = loads.downstream;
  const Load& layer = loads.layer;
  t.water_moment = ((((up.load_h * up.arm_y - dn.load_h * dn.arm_y) + up.load_v * up.arm_x) -
                     dn.load_v * dn.arm_x) +
                    layer.load_h * layer.arm_y) +
                   layer.load_v * layer.arm_x;

  t.leaf_weight_moment = s.leaf_weight * s.leaf_weight_arm;
  t.load_moment = (std::cos(d.theta1) * t.leaf_weight_moment + t.water_moment) * bag.width_factor;
  const SeismicLoads& quake = state.seismic;
  if (quake.kh > 0.0) {
    // The earthquake is water and weight: its added pressure's moment, and
    // the inertia at the weight's point, whose height the balance takes on
    // the first segment's direction as it takes the weight's arm.
    t.seismic_moment = (quake.water.load_h * quake.water.arm_y + quake.water.load_v * quake.water.arm_x) +
                       quake.inertia * (std::sin(d.theta1) * s.leaf_weight_arm);
    t.load_moment = ((std::cos(d.theta1) * t.leaf_weight_moment + t.water_moment) + t.seismic_moment) *
                    bag.width_factor;
  }

  // For an attachment point with positive x: horizontal and downward
  // components of the stopper from the attachment point to its foot.
  const double c = kPi / 2.0 - t.anchor_angle;
  const double n = s.base_distance - std::cos(t.anchor_angle) * t.anchor_radius;
  const double m = std::sin(t.anchor_angle) * t.anchor_radius;
  t.stopper_angle = std::atan(n / (std::tan(d.theta2) * s.base_distance + m)) + c;

  t.tension_pull = std::cos((d.theta1 + d.theta2) / 2.0) * (2.0 * bag.bag_tension);

  const int last = leaf.last_node;
  t.tip_force = d.tip_moment_nm / std::sqrt(leaf.node_x[last] * leaf.node_x[last] +
                                            leaf.node_y[last] * leaf.node_y[last]);

  const double a = leaf.seg_angle[last];
  const double f1 = (std::cos(d.theta1 - d.theta2) * t.tension_pull) / 2.0 +
                    std::sin(d.theta2) * (-bag.bag_force2);
  const double f2 = f1 - std::cos((t.anchor_angle + t.stopper_angle) - 0.5 * kPi) * d.stopper_force;
  const double f3 = std::cos((0.5 * kPi - a) + 0.5 * kPi) * t.tip_force;
  t.support_force = f3 / std::cos((kPi - a) + 0.5 * kPi) + f2;

  // Width factor scales the weight and water only; the bag, the tip moment
  // and the stopper act unscaled. The stopper's lever is its distance along
  // the leaf.
  const double moment_sum = (t.load_moment - bag.bag_force1 * 0.5 * bag.chord1_m) + d.tip_moment_nm;
  const double stopper_moment = std::sin(t.stopper_angle) * (d.stopper_force * s.anchor_distance);
  t.residual = stopper_moment + moment_sum;

  return t;
}

}  // namespace tqweir
