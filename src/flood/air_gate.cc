#include "flood/air_gate.h"

#include <cmath>

#include "flood/number_cell.h"
#include "flood/route_stop.h"
#include "flood/seated_leaf.h"
#include "flood/table_gate.h"

namespace tqweir {
namespace flood {
namespace {

// A leaf with no more air than the end of its path holds: seated at the
// lowered angle, or at the last state of a path that stops above it.
bool at_path_end(const GateState& s) {
  return s.regime == GateRegime::lowered || s.regime == GateRegime::lowest_held;
}

// Grid levels beyond this index are no level of a river.
constexpr double kMaxIndex = 1e9;

// Past the raised state's air the leaf stays at its raised angle and the
// stopper takes more: the stopper stage continued in the air, along which
// the air is close to linear in the tension.
GateState beyond_raised(const LevelPath& path, double air, double span) {
  std::size_t last = 0;
  while (last + 1 < path.states.size() && path.states[last + 1].regime == GateRegime::stopper) {
    ++last;
  }
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

// Throws RouteStop for a path that does not hold.
void require_held(const LevelPath& path) {
  if (!path.held) {
    throw RouteStop("no state of the gate holds at level " + shown_number(path.level) + " m: " +
                    path.reason);
  }
}

}  // namespace

GateState state_on_path(const LevelPath& path, double air, double span) {
  require_held(path);
  if (air <= path.airs.back()) {
    GateState s = seated_state(path.states.back(), path.airs.back(), air);
    s.regime = path.stopped ? GateRegime::lowest_held : GateRegime::lowered;
    return s;
  }
  if (air > path.airs[0]) return beyond_raised(path, air, span);
  std::size_t k = 0;
  while (!(path.airs[k + 1] < air)) ++k;  // ends: airs.back() < air
  const double w = (path.airs[k] - air) / (path.airs[k] - path.airs[k + 1]);
  return blended_state(path.states[k], path.states[k + 1], w, path.level, span);
}

AirGate::AirGate(const CaseInput& base, double lowered_angle, const AirGateSettings& settings)
    : AirGate(std::make_shared<PathGrid>(base, lowered_angle, settings)) {}

AirGate::AirGate(std::shared_ptr<PathGrid> grid) : grid_(std::move(grid)) {}

LevelPath AirGate::direct_path(double level) {
  LevelPath p = grid_->solve(level);
  solves_ += p.solves;
  return p;
}

const LevelPath& AirGate::path(long index) {
  const auto found = read_.find(index);
  if (found != read_.end()) return *found->second;
  if (static_cast<int>(read_.size()) >= grid_->settings().max_levels) {
    throw RouteStop("the gate's table would hold more than " +
                    std::to_string(grid_->settings().max_levels) + " levels");
  }
  const LevelPath& p = grid_->at(index);
  read_.emplace(index, &p);
  solves_ += p.solves;
  return p;
}

std::set<long> AirGate::levels_read() const {
  std::set<long> levels;
  for (const auto& entry : read_) levels.insert(entry.first);
  return levels;
}

GateState AirGate::state(double level, double air) {
  const long index = grid_index(level, grid_->settings().spacing, false);
  const LevelPath& lo = path(index);
  const LevelPath& hi = path(index + 1);
  const GateState a = state_on_path(lo, air, span()), b = state_on_path(hi, air, span());
  GateState s = blended_state(a, b, (level - lo.level) / (hi.level - lo.level), level, span());
  if (at_path_end(a) && at_path_end(b)) {
    const bool held = a.regime == GateRegime::lowest_held || b.regime == GateRegime::lowest_held;
    s.regime = held ? GateRegime::lowest_held : GateRegime::lowered;
  }
  return s;
}

void AirGate::follow_tailwater(const TailwaterCurve& t) { grid_->follow_tailwater(t); }

GateState AirGate::outline_state(double level, double air) {
  const long index = grid_index(level, grid_->settings().spacing, false);
  const LevelPath& lo = path(index);
  const LevelPath& hi = path(index + 1);
  // A seated state keeps the lowered state's outline, crest and
  // coefficient: the lowered state stands in for it.
  const auto outline_on = [&](const LevelPath& p) {
    return p.held && air <= p.airs.back() ? p.states.back() : state_on_path(p, air, span());
  };
  return blended_state(outline_on(lo), outline_on(hi), (level - lo.level) / (hi.level - lo.level),
                       level, span());
}

double AirGate::outflow(double level, double air) { return outline_state(level, air).outflow; }

double AirGate::path_air(double level, bool lowered) {
  const long index = grid_index(level, grid_->settings().spacing, false);
  const LevelPath& lo = path(index);
  const LevelPath& hi = path(index + 1);
  for (const LevelPath* p : {&lo, &hi}) require_held(*p);
  const double w = (level - lo.level) / (hi.level - lo.level);
  const double a = lowered ? lo.airs.back() : lo.airs.front();
  const double b = lowered ? hi.airs.back() : hi.airs.front();
  return a + w * (b - a);
}

double AirGate::lowered_air(double level) { return path_air(level, true); }

double AirGate::raised_air(double level) { return path_air(level, false); }

const LevelPath& AirGate::path_near(double level) {
  return path(grid_index(level, grid_->settings().spacing, true));
}

}  // namespace flood
}  // namespace tqweir
