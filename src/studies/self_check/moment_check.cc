// The moment balance about the hinge, recomputed from the run's files and
// inputs with the hydrostatics of the section: every water load is the
// integral of its pressure over the leaf polyline of XYGate.csv, the bag's
// load the uniform pressure on its straight contact, the stopper's moment
// its pull along the line of XYStopper.csv. The sense of the calculation's
// balance: loads that close the gate (water above the leaf, weight, tip
// moment, stopper) positive, the bag and the water below the leaf negative.
// The same loads as forces give the hinge's reaction that closes them.
#include <algorithm>
#include <cmath>

#include "drawing/plane_distance.h"
#include "studies/self_check/run_geometry.h"

namespace tqweir {
namespace verify {
namespace {

// A pressure (in heads of its unit weight) on the leaf's upper face: its
// moment about the hinge and its force.
struct Moment {
  double v = 0.0;  // from the vertical pressure component: integral p x dx
  double h = 0.0;  // from the horizontal one: integral p y dy
  double fv = 0.0;  // the vertical force, downward: integral p dx
  double fh = 0.0;  // the horizontal force, downstream: integral p dy
};

// Simpson's rule over a straight piece from a to b with depths da, db: exact,
// the integrands being quadratic in the piece's parameter.
void add_piece(Moment& m, const Point& a, const Point& b, double da, double db) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const auto fv = [&](double t) { return (da + (db - da) * t) * (a.x + dx * t) * dx; };
  const auto fh = [&](double t) { return (da + (db - da) * t) * (a.y + dy * t) * dy; };
  m.v += (fv(0) + 4 * fv(0.5) + fv(1)) / 6;
  m.h += (fh(0) + 4 * fh(0.5) + fh(1)) / 6;
  m.fv += (da + db) / 2 * dx;
  m.fh += (da + db) / 2 * dy;
}

Point along_segment(const Point& a, const Point& b, double t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

// Still water at `level` on the leaf beyond the along-leaf distance `from`;
// with `whole_above`, instead, every segment whose end node lies at or above
// that height counts in full (the design method's rule for the water below
// the leaf: the bag's contact is not cut out of a segment).
Moment still_water(const std::vector<Point>& leaf, double level, double from,
                   double whole_above = -INFINITY) {
  Moment m;
  double start = 0.0;
  for (std::size_t i = 1; i < leaf.size(); ++i) {
    Point a = leaf[i - 1];
    Point b = leaf[i];
    const double len = drawing::plane_distance(b.x - a.x, b.y - a.y);
    if (b.y < whole_above) {
      start += len;
      continue;
    }
    if (start + len <= from) {
      start += len;
      continue;
    }
    if (from > start) a = along_segment(a, b, (from - start) / len);
    start += len;
    if (a.y >= level && b.y >= level) continue;
    if (a.y >= level) a = along_segment(b, a, (level - b.y) / (a.y - b.y));
    if (b.y >= level) b = along_segment(a, b, (level - a.y) / (b.y - a.y));
    add_piece(m, a, b, level - a.y, level - b.y);
  }
  return m;
}

// Water under the surface of suimen.csv: its rows give the depth over the
// leaf at points along it, linear between rows.
Moment surface_water(const std::vector<SurfaceRow>& rows) {
  Moment m;
  for (std::size_t i = 1; i < rows.size(); ++i) {
    add_piece(m, {rows[i - 1].x, rows[i - 1].bed}, {rows[i].x, rows[i].bed}, rows[i - 1].depth,
              rows[i].depth);
  }
  return m;
}

Point point_along(const std::vector<Point>& leaf, double distance) {
  double start = 0.0;
  for (std::size_t i = 1; i < leaf.size(); ++i) {
    const double len = drawing::plane_distance(leaf[i].x - leaf[i - 1].x, leaf[i].y - leaf[i - 1].y);
    if (distance <= start + len || i + 1 == leaf.size()) {
      return along_segment(leaf[i - 1], leaf[i], (distance - start) / len);
    }
    start += len;
  }
  return leaf.back();
}

// The moment sum about the hinge: with the design method's stated
// conventions (`method`), or with the section's plain statics (N m / m).
struct Balance {
  double sum = 0.0;        // over `scale`
  double bag = 0.0;        // the bag's moment
  double loads = 0.0;      // water and weight, before the width factor
  double scale = 0.0;      // what the sum is measured against
  double bag_rounding = 0.0;  // what a printed contact length may move the bag's moment by
  Point reaction;  // the hinge's force on the leaf that closes the forces (N/m)
};

// The bag's moment, which balances the others, unless it is small against
// the sum of all the moments' sizes (a contact printed as nearly 0): then
// that sum, so that the measure stays finite. It is 0 only when nothing
// acts on the leaf, and then the residual is 0 as well.
double balance_scale(double bag, double magnitude) {
  if (bag >= 0.25 * magnitude) return bag > 0 ? bag : 1.0;
  return magnitude;
}

Balance balance(const CaseInput& input, const RunGeometry& g, bool method) {
  const SyogenInput& s = input.syogen;
  const ParameterInput& p = input.parameter;
  const double gw = s.water_unit_weight;
  const double gl = s.layer_unit_weight;
  const double h = g.bag_height;
  double crest = -INFINITY;
  for (const Point& q : g.leaf) crest = std::max(crest, q.y);

  // Upstream water: level below the crest, else the surface the run wrote.
  const Moment up = p.upstream_level < crest ? still_water(g.leaf, p.upstream_level, -INFINITY)
                                             : surface_water(g.surface);
  const Moment layer = p.layer_level > 0 ? still_water(g.leaf, p.layer_level, -INFINITY) : Moment{};
  // Downstream water on the leaf where the bag does not cover it, above
  // the bag's contact point P1.
  const double contact = g.leaf_contact;
  const Point& top = g.outline[static_cast<std::size_t>(g.arc2_begin)];
  const double water_line = top.y - h + g.hd_nd * h;
  const double contact_height = std::sin(g.theta1) * contact;
  const Moment down = !method ? still_water(g.leaf, water_line, contact)
                      : contact_height < water_line
                          ? still_water(g.leaf, water_line, -INFINITY, contact_height)
                          : Moment{};
  // The horizontal push of the water below the leaf takes the second
  // layer's unit weight (the input's definition).
  const double water = gw * (up.v - down.v) + gl * layer.v + gw * up.h - gl * down.h + gl * layer.h;
  // The weight acts at its distance along the leaf: on the first segment's
  // direction for the method, at the polyline's point for the statics.
  const double weight = method ? std::cos(g.theta1) * s.leaf_weight * s.leaf_weight_arm
                               : s.leaf_weight * point_along(g.leaf, s.leaf_weight_arm).x;
  const double width_factor = g.summary_value(SummaryId::width_factor);

  const double alpha = g.summary_value(SummaryId::alpha);
  const double pressure = alpha * kGravity * kWaterDensity * h;
  const double bag = pressure * contact * contact / 2;
  const double tip = p.tip_moment * 1000.0;
  // The stopper pulls along its line; the method takes its lever as the
  // anchor distance along the leaf, the statics as the distance of the line
  // from the hinge.
  const Point& a = g.stopper[0];
  const Point& f = g.stopper[1];
  const double run = drawing::plane_distance(f.x - a.x, f.y - a.y);
  double stopper = -g.stopper_force * (a.x * (f.y - a.y) - a.y * (f.x - a.x)) / run;
  if (method) stopper *= s.anchor_distance / drawing::plane_distance(a.x, a.y);
  Balance b;
  b.loads = water + weight;
  b.bag = bag;
  b.bag_rounding = pressure * contact * g.leaf_contact_rounding;
  b.scale = balance_scale(bag, std::fabs(width_factor * b.loads) + bag + std::fabs(tip) +
                                   std::fabs(stopper));
  b.sum = (width_factor * b.loads - bag + tip + stopper) / b.scale;
  // The forces on the leaf, scaled and pulling as the moments do (the tip
  // moment is a couple); the hinge closes them.
  const double load_h = width_factor * (gw * up.fh - gl * down.fh + gl * layer.fh);
  const double load_v = width_factor * (gw * (up.fv - down.fv) + gl * layer.fv + s.leaf_weight);
  const double bag_force = pressure * contact;
  b.reaction.x = -(load_h - bag_force * std::sin(g.theta1) + g.stopper_force * (f.x - a.x) / run);
  b.reaction.y = -(-load_v + bag_force * std::cos(g.theta1) + g.stopper_force * (f.y - a.y) / run);
  return b;
}

}  // namespace

SelfCheck moment_balance_check(const CaseInput& input, const RunGeometry& g) {
  const Balance b = balance(input, g, true);
  const double alpha = g.summary_value(SummaryId::alpha);
  // The bisection ends with alpha within 1e-4 of the balance; alpha and
  // the width factor are printed to 3 decimals, and so is a contact
  // length taken from the summary.
  const double tolerance = (2e-4 / alpha + 0.5e-3 / alpha) * (b.bag / b.scale) +
                           0.5e-3 * std::fabs(b.loads) / b.scale + b.bag_rounding / b.scale;
  if (b.scale != b.bag) {
    return make_check("moment-balance", "moments about the hinge balance (sum over the moments' sizes)",
                      u8"ヒンジ回りのモーメントの釣合い (合計 / 各モーメントの絶対値の和)", "", b.sum, 0.0,
                      tolerance);
  }
  return make_check("moment-balance",
                    "moments about the hinge balance (sum over the bag's moment)",
                    u8"ヒンジ回りのモーメントの釣合い (合計 / 袋体モーメント)", "", b.sum, 0.0,
                    tolerance);
}

double statics_gap(const CaseInput& input, const RunGeometry& g) {
  return balance(input, g, false).sum - balance(input, g, true).sum;
}

Point hinge_reaction(const CaseInput& input, const RunGeometry& g) {
  return balance(input, g, false).reaction;
}

}  // namespace verify
}  // namespace tqweir
