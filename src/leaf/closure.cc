#include "leaf/closure.h"

#include <cmath>

#include "section/balance_terms.h"

namespace tqweir {
namespace leaf {

MomentGap moment_gap(const RunState& state, const LeafLine& line) {
  const TrialState& t = state.trial;
  const Balance& b = t.balance;
  const SyogenInput& s = state.syogen;
  const double wf = t.bag.width_factor;
  MomentGap gap;
  gap.weight = wf * s.leaf_weight * point_at(line, s.leaf_weight_arm).x -
               wf * std::cos(state.derived.theta1) * b.leaf_weight_moment;
  // An earthquake's inertia at the weight's point: its height there, where
  // the balance takes sin(theta1) * arm.
  const double inertia = state.seismic.inertia;
  if (inertia != 0.0) {
    gap.weight += wf * inertia * point_at(line, s.leaf_weight_arm).y -
                  wf * inertia * (std::sin(state.derived.theta1) * s.leaf_weight_arm);
  }
  // The stopper's line from the attachment A to the foot B passes the hinge
  // at the lever (A x B) / |B - A|.
  const double ax = b.anchor_x, ay = b.anchor_y, bx = b.stopper_base_x, by = b.stopper_base_y;
  const double run = std::sqrt((bx - ax) * (bx - ax) + (by - ay) * (by - ay));
  const double pull = state.derived.stopper_force;
  // The stopper's and the bag's moments as the balance sums them.
  const BalanceTerms terms = balance_terms(state);
  gap.stopper = pull * (ay * bx - ax * by) / run - terms.stopper;
  // A uniform pressure over a polyline from the hinge to P has the moment
  // p |P|^2 / 2 about the hinge, however the polyline bends.
  const Vec end = point_at(line, t.bag.chord1_m);
  gap.bag = -t.bag.bag_pressure * (end.x * end.x + end.y * end.y) / 2 - terms.bag;
  return gap;
}

Vec balance_forces(const RunState& state, const LeafLine& line) {
  const TrialState& t = state.trial;
  const Load& up = t.upstream.load;
  const Load& dn = t.loads.downstream;
  const Load& layer = t.loads.layer;
  const double wf = t.bag.width_factor;
  Vec f{wf * (up.load_h + layer.load_h - dn.load_h),
        -wf * (up.load_v + layer.load_v - dn.load_v + state.syogen.leaf_weight)};
  const SeismicLoads& quake = state.seismic;
  f.x += wf * (quake.water.load_h + quake.inertia);
  f.y -= wf * quake.water.load_v;
  // A uniform pressure over a polyline from the hinge to P pushes with
  // p |P| square to the chord, towards the upper face.
  const Vec end = point_at(line, t.bag.chord1_m);
  f.x -= t.bag.bag_pressure * end.y;
  f.y += t.bag.bag_pressure * end.x;
  const Balance& b = t.balance;
  const double dx = b.stopper_base_x - b.anchor_x, dy = b.stopper_base_y - b.anchor_y;
  const double run = std::sqrt(dx * dx + dy * dy);
  f.x += state.derived.stopper_force * dx / run;
  f.y += state.derived.stopper_force * dy / run;
  // The tip's force, tip_force of the balance, square to the tip's radius.
  const Vec tip = line.node.back();
  const double radius = std::sqrt(tip.x * tip.x + tip.y * tip.y);
  f.x += b.tip_force * tip.y / radius;
  f.y -= b.tip_force * tip.x / radius;
  return f;
}

Closure close_free_body(const RunState& state, const LeafLine& line, double hinge_moment,
                        const Vec& reaction) {
  Closure c;
  c.residual = state.trial.balance.residual;
  c.hinge_moment = hinge_moment;
  c.gap = moment_gap(state, line);
  c.moment_mismatch = hinge_moment - c.gap.total() - c.residual;
  const Vec f = balance_forces(state, line);
  c.force_mismatch = {reaction.x + f.x, reaction.y + f.y};
  c.moment_scale = -balance_terms(state).bag;
  c.force_scale = state.trial.bag.bag_force1;
  return c;
}

}  // namespace leaf
}  // namespace tqweir
