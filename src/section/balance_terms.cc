#include "section/balance_terms.h"

#include <cmath>

namespace tqweir {
namespace {

// A load's moment about the hinge from its resultants and their lines.
double load_moment(const Load& load) { return load.load_h * load.arm_y + load.load_v * load.arm_x; }

}  // namespace

BalanceTerms balance_terms(const RunState& converged) {
  const TrialState& t = converged.trial;
  const Balance& b = t.balance;
  const DerivedInput& d = converged.derived;
  BalanceTerms terms;
  terms.upstream_load = t.upstream.load;
  terms.downstream_load = t.loads.downstream;
  terms.layer_load = t.loads.layer;
  terms.upstream = load_moment(terms.upstream_load);
  terms.downstream = -load_moment(terms.downstream_load);
  terms.layer = load_moment(terms.layer_load);
  terms.water = b.water_moment;
  terms.weight = std::cos(d.theta1) * b.leaf_weight_moment;
  terms.seismic = b.seismic_moment;
  terms.width_factor = t.bag.width_factor;
  terms.loads = b.load_moment;
  // The balance's own expressions, so that the terms add up to its
  // residual in its order without a rounding of their own.
  terms.bag = -(t.bag.bag_force1 * 0.5 * t.bag.chord1_m);
  terms.tip = d.tip_moment_nm;
  terms.stopper = std::sin(b.stopper_angle) * (d.stopper_force * converged.syogen.anchor_distance);
  terms.residual = b.residual;

  terms.leaf_weight = converged.syogen.leaf_weight;
  terms.bag_pressure = t.bag.bag_pressure;
  terms.bag_force = t.bag.bag_force1;
  terms.chord1_m = t.bag.chord1_m;
  terms.stopper_force = d.stopper_force;
  terms.stopper_angle = b.stopper_angle;
  terms.tip_force = b.tip_force;
  terms.support_force = b.support_force;
  return terms;
}

}  // namespace tqweir
