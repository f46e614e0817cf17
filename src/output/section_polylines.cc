#include "output/section_polylines.h"

#include <cmath>

#include "core/constants.h"
#include "membrane/abscissa.h"

namespace tqweir {
namespace {

// Adds points in the section frame, the bag's from the membrane frame, and
// keeps the trapezoid area sum.
class PolylineBuilder {
 public:
  PolylineBuilder(const TrialState& t, std::vector<SectionPoint>& out, bool& finite)
      : t_(t), out_(out), finite_(finite) {}

  // Adds the membrane point (u, depth); `in_area` false leaves it out of
  // the area sum and of the previous point.
  void point(double u, double depth, bool in_area = true) {
    const double x = (u - t_.shape.p3_x) * t_.bag.scale;
    const double y = (t_.shape.p3_y - depth) * t_.bag.scale;
    add(x, y);
    if (!in_area) return;
    if (first_) {
      area_ = 0.5 * x * y + area_;  // trapezoid from the closing point (0, 0)
      first_ = false;
    } else {
      area_ = (x - xp_) * (y + yp_) * 0.5 + area_;
    }
    xp_ = x;
    yp_ = y;
  }

  void add(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) finite_ = false;
    out_.push_back({x, y});
  }

  // Adds the closing trapezoid back to (0, 0) and returns the area.
  double closed_area() const { return (0.0 - xp_) * (0.0 + yp_) * 0.5 + area_; }

  // Arc 1 may be empty: the next term then runs from the closing point.
  void start_after_empty_arc() { first_ = false; }

 private:
  const TrialState& t_;
  std::vector<SectionPoint>& out_;
  bool& finite_;
  bool first_ = true;
  double area_ = 0.0;
  double xp_ = 0.0;
  double yp_ = 0.0;
};

// Point count of an end arc: one point per pi/300 of the membrane's turning.
// Truncation of an already whole number, capped at kMaxArcPoints (a count
// at or below zero draws nothing, so the lower bound only keeps the
// conversion defined).
int arc_point_count(double angle) {
  const double count = std::ceil(300 * angle / kPi);
  if (!(count > -kMaxArcPoints)) return -kMaxArcPoints;
  if (count > kMaxArcPoints) return kMaxArcPoints;
  return static_cast<int>(count);
}

}  // namespace

SectionPolylines make_section_polylines(const RunState& state, EllipticIntegrals& integrals) {
  const TrialState& trial = state.trial;
  const MembraneShape& t = trial.shape;
  const LeafProfile& leaf = state.profile;
  const double theta2 = state.derived.theta2;
  const double alpha = trial.alpha;
  const double beta = state.derived.hd_nd;
  const auto f = [&](double depth) {
    return membrane_abscissa(depth, alpha, beta, t.TB, integrals);
  };
  SectionPolylines section;

  const int count1 = arc_point_count(state.derived.theta1);
  const int count3 = arc_point_count(theta2);
  const double step1 = t.s1 / count1;
  const double step2 = 1.0 / 300;
  const double step3 = (1.0 - t.s2) / count3;

  const double floor_x = 1.2 * state.syogen.base_distance;
  section.floor_point = {floor_x, std::tan(theta2) * (-1.2 * state.syogen.base_distance)};
  section.stopper_anchor = {trial.balance.anchor_x, trial.balance.anchor_y};
  section.stopper_foot = {trial.balance.stopper_base_x, trial.balance.stopper_base_y};
  for (const SectionPoint& p : {section.floor_point, section.stopper_anchor, section.stopper_foot}) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) section.all_finite = false;
  }
  PolylineBuilder nodes(trial, section.leaf, section.all_finite);
  for (int i = 0; i <= leaf.last_node; ++i) nodes.add(leaf.node_x[i], leaf.node_y[i]);

  PolylineBuilder bag(trial, section.bag, section.all_finite);
  bag.add(0.0, 0.0);
  if (count1 >= 2) {
    double depth = t.p1_y;
    bag.point(t.p1_x, depth);
    for (int j = 0; j < count1 - 1; ++j) {
      depth = depth - step1;  // accumulated, as the outline was always drawn
      bag.point(f(depth) * (-1.0), depth);
    }
  } else {
    bag.start_after_empty_arc();
  }

  double depth = 0.0;
  bag.point(0.0, depth, false);
  for (int j = 1; j < 300; ++j) {
    depth = depth + step2;
    bag.point(f(depth), depth);
  }

  depth = t.s_bottom;
  for (int j = 0; j < count3; ++j) {
    depth = depth - step3;
    bag.point(t.u_bottom - (f(depth) - t.u_bottom), depth);
  }
  bag.add(0.0, 0.0);

  section.bag_area = bag.closed_area();
  if (!std::isfinite(section.bag_area)) section.all_finite = false;
  return section;
}

}  // namespace tqweir
