#include "leaf/applied_loads.h"

#include <cmath>

#include "section/hydrodynamic_pressure.h"

namespace tqweir {
namespace leaf {

LineLoad pressure_load(Term term, const LeafLine& line, const PressurePiece& piece, double side,
                       double unit_weight_v, double unit_weight_h, double scale) {
  const double dx = piece.b.x - piece.a.x;
  const double dy = piece.b.y - piece.a.y;
  const double length = std::sqrt(dx * dx + dy * dy);
  // Pressure p on the upper face pushes along (dy, -dx) / length: its
  // horizontal part integrates to p dy, its vertical part to -p dx, the
  // projections the balance multiplies the depths by.
  const auto force = [&](double depth) {
    return Vec{side * scale * unit_weight_h * depth * dy / length,
               -side * scale * unit_weight_v * depth * dx / length};
  };
  LineLoad load;
  load.term = term;
  load.segment = piece.segment;
  load.sa = distance_along(line, piece.segment, piece.a);
  load.sb = distance_along(line, piece.segment, piece.b);
  load.a = piece.a;
  load.b = piece.b;
  load.fa = force(piece.da);
  load.fb = force(piece.db);
  return load;
}

namespace {

void add_pieces(AppliedLoads& loads, Term term, const LeafLine& line,
                const std::vector<PressurePiece>& pieces, double side, double unit_weight_v,
                double unit_weight_h, double scale) {
  for (const PressurePiece& piece : pieces) {
    if (piece.a.x == piece.b.x && piece.a.y == piece.b.y) continue;
    loads.lines.push_back(pressure_load(term, line, piece, side, unit_weight_v, unit_weight_h, scale));
  }
}

// The bag's pressure (Pa) over the leaf from the hinge to `contact` along
// it, normal to each segment, pushing the leaf up.
void add_bag(AppliedLoads& loads, const LeafLine& line, double pressure, double contact) {
  for (int i = 1; i <= line.segments() && line.s[i - 1] < contact; ++i) {
    const double end = std::fmin(contact, line.s[i]);
    PressurePiece piece{i, line.node[i - 1], point_on_segment(line, i, end), 1.0, 1.0};
    loads.lines.push_back(pressure_load(Term::bag, line, piece, -1.0, pressure, pressure, 1.0));
  }
}

// The water's added pressure of an earthquake over the still water's pieces
// at its level, towards the leaf's lower face, times `scale`.
void add_quake_water(AppliedLoads& loads, const LeafLine& line, const HydrodynamicPressure& pressure,
                     double scale) {
  for (const PressurePiece& piece : still_water_pieces(line, pressure.level)) {
    if (piece.a.x == piece.b.x && piece.a.y == piece.b.y) continue;
    LineLoad load = pressure_load(Term::quake_water, line, piece, 1.0, 0.0, 0.0, scale);
    const double dx = piece.b.x - piece.a.x, dy = piece.b.y - piece.a.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    load.curved = true;
    load.pressure = pressure;
    load.da = piece.da;
    load.db = piece.db;
    load.push = {scale * dy / length, -scale * dx / length};
    const double pa = hydrodynamic_pressure(pressure, piece.da), pb = hydrodynamic_pressure(pressure, piece.db);
    load.fa = {load.push.x * pa, load.push.y * pa};
    load.fb = {load.push.x * pb, load.push.y * pb};
    loads.lines.push_back(load);
  }
}

}  // namespace

AppliedLoads applied_loads(const RunState& state, const LeafLine& line, const WaterSurface& surface) {
  const SyogenInput& s = state.syogen;
  const TrialState& t = state.trial;
  const double wf = t.bag.width_factor;
  const double gw = s.water_unit_weight;
  const double gl = s.layer_unit_weight;
  AppliedLoads loads;

  add_pieces(loads, Term::upstream, line,
             surface_pieces(line, surface, state.parameter.upstream_level, state.profile.crest_height),
             1.0, gw, gw, wf);
  if (state.parameter.layer_level > 0.0) {
    add_pieces(loads, Term::layer, line, still_water_pieces(line, state.parameter.layer_level), 1.0,
               gl, gl, wf);
  }
  if (t.loads.contact_height < t.bag.Hd) {
    add_pieces(loads, Term::downstream, line,
               still_water_pieces(line, t.bag.Hd, true, t.loads.contact_height), -1.0, gw, gl, wf);
  }
  add_bag(loads, line, t.bag.bag_pressure, t.bag.chord1_m);

  const double arm = s.leaf_weight_arm;
  loads.points.push_back({Term::weight, std::fmin(arm, line.length()), point_at(line, arm),
                          {0.0, -wf * s.leaf_weight}});
  const SeismicLoads& quake = state.seismic;
  if (quake.kh > 0.0) {
    if (quake.pressure.depth > 0.0) add_quake_water(loads, line, quake.pressure, wf);
    loads.points.push_back({Term::inertia, std::fmin(arm, line.length()), point_at(line, arm),
                            {wf * quake.inertia, 0.0}});
  }

  const Vec anchor{t.balance.anchor_x, t.balance.anchor_y};
  const Vec foot{t.balance.stopper_base_x, t.balance.stopper_base_y};
  const double run = std::sqrt((foot.x - anchor.x) * (foot.x - anchor.x) +
                               (foot.y - anchor.y) * (foot.y - anchor.y));
  const double pull = state.derived.stopper_force;
  loads.points.push_back({Term::stopper, std::fmin(s.anchor_distance, line.length()), anchor,
                          {pull * (foot.x - anchor.x) / run, pull * (foot.y - anchor.y) / run}});

  const Vec tip = line.node.back();
  const double radius = std::sqrt(tip.x * tip.x + tip.y * tip.y);
  const double tip_force = state.derived.tip_moment_nm / radius;
  loads.points.push_back({Term::tip, line.length(), tip, {tip_force * tip.y / radius, -tip_force * tip.x / radius}});
  return loads;
}

}  // namespace leaf
}  // namespace tqweir
