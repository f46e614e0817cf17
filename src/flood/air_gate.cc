#include "flood/air_gate.h"

#include <cmath>

#include "core/input_fields.h"
#include "flood/number_cell.h"
#include "flood/route_stop.h"
#include "flood/table_gate.h"
#include "operation/quasi_static_path.h"

namespace tqweir {
namespace flood {
namespace {

// Grid levels beyond this index are no level of a river.
constexpr double kMaxIndex = 1e9;

GateState gate_state(const operation::PathState& s, double level, double span) {
  GateState g;
  g.level = level;
  g.regime = operation::regime_name(s.regime);
  g.theta1_deg = s.theta1_deg;
  g.stopper_tension = s.stopper_tension;
  g.values = s.result.values;
  g.outflow =
      g.values[static_cast<std::size_t>(summary_index(SummaryId::overflow_discharge))] * span;
  return g;
}

LevelPath solve_path(const CaseInput& base, double level, double lowered_angle,
                     double angle_step, const operation::Tailwater& tailwater) {
  CaseInput input = base;
  set_field_value(input_field(InputId::upstream_level), level, input);
  operation::PathSettings settings;
  settings.angle_step = angle_step;
  settings.tailwater = tailwater;
  const operation::QuasiStaticPath path =
      operation::quasi_static_path(input, lowered_angle, settings);
  LevelPath p;
  p.level = level;
  p.solves = path.solves;
  if (path.states.size() < 2) {
    p.reason = "the case stops at this level: " + message_utf8(path.stop.result.message);
    return p;
  }
  const operation::FollowedPath followed =
      operation::follow_path(path, operation::Direction::lower);
  p.solves += followed.solves;
  p.held = true;
  for (const operation::FollowedState& f : followed.states) {
    p.states.push_back(gate_state(f.state, level, base.syogen.span));
    p.airs.push_back(f.state.air);
  }
  p.folds = followed.folds;
  return p;
}

// Past the raised state's air the leaf stays at its raised angle and the
// stopper takes more: the stopper stage continued in the air, along which
// the air is close to linear in the tension.
GateState beyond_raised(const LevelPath& path, double air, double span) {
  std::size_t last = 0;
  while (last + 1 < path.states.size() && path.states[last + 1].regime == "stopper") ++last;
  const double stage = path.airs[0] - path.airs[last];
  if (last == 0 || !(stage > 0.0)) {
    throw RouteStop("the air " + shown_number(air) + " m3/m is beyond what the raised leaf holds at level " +
                    shown_number(path.level) + " m (" + shown_number(path.airs[0]) + " m3/m)");
  }
  const double w = 1.0 + (air - path.airs[0]) / (path.airs[0] - path.airs[1]);
  return blended_state(path.states[1], path.states[0], w, path.level, span);
}

long grid_index(double level, double spacing, bool nearest) {
  const double at = nearest ? std::round(level / spacing) : std::floor(level / spacing);
  if (!(std::fabs(at) < kMaxIndex)) {
    throw RouteStop("the level " + shown_number(level) + " m is beyond the gate's table");
  }
  return static_cast<long>(at);
}

}  // namespace

GateState state_on_path(const LevelPath& path, double air, double span) {
  if (!path.held) {
    throw RouteStop("no state of the gate holds at level " + shown_number(path.level) + " m: " +
                    path.reason);
  }
  if (air <= path.airs.back()) {
    GateState s = path.states.back();
    s.regime = "lowered";
    return s;
  }
  if (air > path.airs[0]) return beyond_raised(path, air, span);
  std::size_t k = 0;
  while (!(path.airs[k + 1] < air)) ++k;  // ends: airs.back() < air
  const double w = (path.airs[k] - air) / (path.airs[k] - path.airs[k + 1]);
  return blended_state(path.states[k], path.states[k + 1], w, path.level, span);
}

AirGate::AirGate(const CaseInput& base, double lowered_angle, const AirGateSettings& settings)
    : base_(base), lowered_angle_(lowered_angle), settings_(settings), span_(base.syogen.span) {}

LevelPath AirGate::direct_path(double level) {
  const operation::Tailwater tailwater =
      follows_tailwater_ ? tailwater_at(tailwater_, level, span_) : operation::Tailwater();
  LevelPath p = solve_path(base_, level, lowered_angle_, settings_.angle_step, tailwater);
  solves_ += p.solves;
  return p;
}

const LevelPath& AirGate::path(long index) {
  const auto found = paths_.find(index);
  if (found != paths_.end()) return found->second;
  if (static_cast<int>(paths_.size()) >= settings_.max_levels) {
    throw RouteStop("the gate's table would hold more than " +
                    std::to_string(settings_.max_levels) + " levels");
  }
  LevelPath p = direct_path(static_cast<double>(index) * settings_.spacing);
  return paths_.emplace(index, std::move(p)).first->second;
}

GateState AirGate::state(double level, double air) {
  const long index = grid_index(level, settings_.spacing, false);
  const LevelPath& lo = path(index);
  const LevelPath& hi = path(index + 1);
  const GateState a = state_on_path(lo, air, span_), b = state_on_path(hi, air, span_);
  GateState s = blended_state(a, b, (level - lo.level) / (hi.level - lo.level), level, span_);
  if (a.regime == "lowered" && b.regime == "lowered") s.regime = "lowered";
  return s;
}

void AirGate::follow_tailwater(const TailwaterCurve& t) {
  follows_tailwater_ = true;
  tailwater_ = t;
}

double AirGate::outflow(double level, double air) { return state(level, air).outflow; }

double AirGate::path_air(double level, bool lowered) {
  const long index = grid_index(level, settings_.spacing, false);
  const LevelPath& lo = path(index);
  const LevelPath& hi = path(index + 1);
  for (const LevelPath* p : {&lo, &hi}) state_on_path(*p, 0.0, span_);  // throws where none holds
  const double w = (level - lo.level) / (hi.level - lo.level);
  const double a = lowered ? lo.airs.back() : lo.airs.front();
  const double b = lowered ? hi.airs.back() : hi.airs.front();
  return a + w * (b - a);
}

double AirGate::lowered_air(double level) { return path_air(level, true); }

double AirGate::raised_air(double level) { return path_air(level, false); }

const LevelPath& AirGate::path_near(double level) {
  return path(grid_index(level, settings_.spacing, true));
}

}  // namespace flood
}  // namespace tqweir
