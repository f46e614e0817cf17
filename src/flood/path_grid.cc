#include "flood/path_grid.h"

#include <utility>

#include "core/input_fields.h"
#include "operation/quasi_static_path.h"

namespace tqweir {
namespace flood {
namespace {

GateState gate_state(const operation::PathState& s, double level, double span,
                     const std::shared_ptr<const TailwaterCurve>& tailwater,
                     const std::shared_ptr<const LevelTable>& coefficient) {
  GateState g;
  g.level = level;
  g.regime = s.regime == operation::Regime::stopper ? GateRegime::stopper : GateRegime::slack;
  g.theta1_deg = s.theta1_deg;
  g.stopper_tension = s.stopper_tension;
  g.values = s.result.values;
  g.outflow =
      g.values[static_cast<std::size_t>(summary_index(SummaryId::overflow_discharge))] * span;
  g.tailwater = tailwater;
  g.coefficient_curve = coefficient;
  drown(g);
  return g;
}

LevelPath solve_path(const CaseInput& base, double level, double lowered_angle,
                     double angle_step, const std::shared_ptr<const TailwaterCurve>& curve,
                     const std::shared_ptr<const LevelTable>& coefficient) {
  CaseInput input = base;
  set_field_value(input_field(InputId::upstream_level), level, input);
  operation::PathSettings settings;
  settings.angle_step = angle_step;
  if (curve) settings.tailwater = tailwater_at(*curve, level, base.syogen.span, coefficient.get());
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
  p.stopped = path.stopped;
  if (path.stopped) p.reason = message_utf8(path.stop.result.message);
  for (const operation::FollowedState& f : followed.states) {
    p.states.push_back(gate_state(f.state, level, base.syogen.span, curve, coefficient));
    p.airs.push_back(f.state.air);
  }
  p.folds = followed.folds;
  return p;
}

}  // namespace

PathGrid::PathGrid(const CaseInput& base, double lowered_angle, const AirGateSettings& settings)
    : base_(base), lowered_angle_(lowered_angle), settings_(settings) {}

LevelPath PathGrid::solve(double level) const {
  return solve_path(base_, level, lowered_angle_, settings_.angle_step, tailwater_, coefficient_);
}

const LevelPath& PathGrid::at(long index) {
  Entry* entry = nullptr;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    std::unique_ptr<Entry>& slot = paths_[index];
    if (!slot) slot = std::make_unique<Entry>();
    entry = slot.get();
  }
  // Outside the lock: other levels are solved meanwhile, and a thread
  // asking for this one waits here until its path is there.
  std::call_once(entry->solved, [&] {
    entry->path = solve(static_cast<double>(index) * settings_.spacing);
  });
  return entry->path;
}

std::vector<long> PathGrid::solved_indices() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  std::vector<long> indices;
  for (const auto& entry : paths_) indices.push_back(entry.first);
  return indices;
}

std::map<long, LevelPath> PathGrid::solved_paths() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  std::map<long, LevelPath> paths;
  for (const auto& entry : paths_) paths.emplace(entry.first, entry.second->path);
  return paths;
}

void PathGrid::restore(long index, LevelPath path) {
  for (GateState& g : path.states) {
    g.tailwater = tailwater_;
    g.coefficient_curve = coefficient_;
  }
  Entry* entry = nullptr;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    std::unique_ptr<Entry>& slot = paths_[index];
    if (!slot) slot = std::make_unique<Entry>();
    entry = slot.get();
  }
  std::call_once(entry->solved, [&] { entry->path = std::move(path); });
}

void PathGrid::follow_tailwater(const TailwaterCurve& t) {
  tailwater_ = std::make_shared<const TailwaterCurve>(t);
}

void PathGrid::use_coefficient_curve(const LevelTable& curve) {
  coefficient_ = std::make_shared<const LevelTable>(curve);
}

}  // namespace flood
}  // namespace tqweir
