#include "flood/table_gate.h"

#include <cmath>
#include <shared_mutex>
#include <utility>

#include "flood/leaf_coefficient.h"
#include "flood/number_cell.h"
#include "flood/route_stop.h"
#include "flood/tailwater_curve.h"

namespace tqweir {
namespace flood {
namespace {

double& value(GateState& s, SummaryId id) {
  return s.values[static_cast<std::size_t>(summary_index(id))];
}

// Grid levels beyond this index are no level of a river.
constexpr double kMaxIndex = 1e9;

}  // namespace

GateState blended_state(const GateState& lo, const GateState& hi, double w, double level,
                        double span) {
  GateState s = w < 0.5 ? lo : hi;
  for (std::size_t i = 0; i < s.values.size(); ++i) {
    s.values[i] = lo.values[i] + w * (hi.values[i] - lo.values[i]);
  }
  s.level = level;
  s.theta1_deg = lo.theta1_deg + w * (hi.theta1_deg - lo.theta1_deg);
  s.stopper_tension = lo.stopper_tension + w * (hi.stopper_tension - lo.stopper_tension);
  const double head = level - value(s, SummaryId::crest_height);
  // A calibrated coefficient at the state's own angle, not a blend of the
  // grid's: the angle is what the curve is known against.
  if (s.coefficient_curve && head > 0.0) {
    value(s, SummaryId::discharge_coefficient) = leaf_coefficient(*s.coefficient_curve, s.values);
  }
  const double per_metre =
      head > 0.0 ? std::pow(head, 1.5) * value(s, SummaryId::discharge_coefficient) : 0.0;
  value(s, SummaryId::upstream_level) = level;
  value(s, SummaryId::overflow_discharge) = per_metre;
  s.outflow = per_metre * span;
  // A drowned leaf's discharge is the submerged weir's at the level itself
  // on the same interpolated crest, not a blend of the grid's: the factor
  // falls steeply as the tailwater nears the upstream level.
  drown(s);
  return s;
}

TableGate::TableGate(double spacing, double span, int max_knots)
    : spacing_(spacing), span_(span), max_knots_(max_knots) {}

void TableGate::drown_by(const TailwaterCurve& t) {
  tailwater_ = std::make_shared<const TailwaterCurve>(t);
}

void TableGate::use_coefficient_curve(const LevelTable& curve) {
  coefficient_ = std::make_shared<const LevelTable>(curve);
}

Knot TableGate::solved(double level, const Knot* near) {
  Knot k = solve_knot(level, near);
  solves_ += k.solves;
  if (k.held) k.state.coefficient_curve = coefficient_;
  if (k.held && tailwater_) {
    k.state.tailwater = tailwater_;
    drown(k.state);
  }
  return k;
}

void TableGate::restore_knot(long index, Knot k) {
  if (k.held) {
    k.state.coefficient_curve = coefficient_;
    k.state.tailwater = tailwater_;
  }
  knots_.emplace(index, std::move(k));
}

Knot TableGate::direct(double level) {
  // The grid's state below, when solved, is only the search's first guess.
  const std::lock_guard<std::shared_mutex> lock(mutex_);
  const auto below = knots_.find(static_cast<long>(std::floor(level / spacing_)));
  return solved(level, below != knots_.end() ? &below->second : nullptr);
}

const Knot& TableGate::knot(long index) {
  {
    // Most calls find the knot: routes on other threads read it meanwhile.
    const std::shared_lock<std::shared_mutex> lock(mutex_);
    const auto found = knots_.find(index);
    if (found != knots_.end()) return found->second;
  }
  const std::lock_guard<std::shared_mutex> lock(mutex_);
  const auto found = knots_.find(index);
  if (found != knots_.end()) return found->second;
  if (static_cast<int>(knots_.size()) >= max_knots_) {
    throw RouteStop("the gate's table would hold more than " + std::to_string(max_knots_) +
                    " levels");
  }
  const auto below = knots_.find(index - 1), above = knots_.find(index + 1);
  const Knot* near = below != knots_.end() ? &below->second
                     : above != knots_.end() ? &above->second : nullptr;
  Knot k = solved(static_cast<double>(index) * spacing_, near);
  return knots_.emplace(index, std::move(k)).first->second;
}

void TableGate::solve_between() {
  long low = 0, high = -1;
  {
    const std::lock_guard<std::shared_mutex> lock(mutex_);
    if (knots_.empty()) return;
    low = knots_.begin()->first;
    high = knots_.rbegin()->first;
  }
  for (long index = low; index <= high; ++index) knot(index);
}

GateState TableGate::state(double level, double air) {
  check_air(air);
  const double at = std::floor(level / spacing_);
  if (!(std::fabs(at) < kMaxIndex)) {
    throw RouteStop("the level " + shown_number(level) + " m is beyond the gate's table");
  }
  const long index = static_cast<long>(at);
  const Knot& lo = knot(index);
  const Knot& hi = knot(index + 1);
  for (const Knot* k : {&lo, &hi}) {
    if (!k->held) {
      throw RouteStop("no state of the gate holds at level " + shown_number(k->level) +
                      " m: " + k->reason +
                      (k->stop == Message::finished ? "" : ": " + message_utf8(k->stop)));
    }
  }
  return blended_state(lo.state, hi.state, (level - lo.level) / (hi.level - lo.level), level,
                       span_);
}

double TableGate::outflow(double level, double air) { return state(level, air).outflow; }

}  // namespace flood
}  // namespace tqweir
