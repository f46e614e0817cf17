#include "flood/flood_rule.h"

#include <algorithm>
#include <utility>

#include "core/constants.h"
#include "text/number_text.h"
#include "operation/blower_curve.h"
#include "operation/orifice_flow.h"

namespace tqweir {
namespace flood {
namespace {

// The blower counts as stalled against the bag once its delivery has
// fallen to this share of its delivery at the curve's first pressure: the
// pressure the path needs is at the curve's shut-off (or past its end) and
// the leaf gets no further; towards a shut-off the delivery falls to
// nothing and the air only creeps up to where it would be 0.
constexpr double kStallShare = 0.01;

bool lowers(RuleEvent e) { return e == RuleEvent::lower || e == RuleEvent::backup_lower; }

// The valve a lowering event opens.
Switch valve_of(RuleEvent e) {
  return e == RuleEvent::lower ? Switch::valve_opens : Switch::float_valve_opens;
}

}  // namespace

double blower_delivery(AirGate& gate, const operation::BlowerCurve& curve, double level,
                       double air) {
  const double p_abs = bag_p_abs(gate.outline_state(level, air), air);
  return operation::blower_delivery(curve, (p_abs - kAtmosphericPressure) / 1000.0);
}

FloodRule::FloodRule(const operation::OperationFile& file, std::vector<AirGate*> gates,
                     double raised_air, double temperature_k, bool power_failure,
                     std::vector<bool> failed)
    : gates_(std::move(gates)),
      machinery_(gates_.size()),
      file_(file),
      raised_air_(raised_air),
      temperature_k_(temperature_k),
      power_failure_(power_failure),
      failed_(std::move(failed)),
      blowers_(file.blowers.given ? static_cast<std::size_t>(operation::blower_count(file))
                                  : gates_.size()) {}

std::vector<LevelEvent> FloodRule::events() const {
  std::vector<LevelEvent> events;
  for (std::size_t g = 0; g < gates_.size(); ++g) {
    if (failed(g)) continue;
    const operation::GivenValue lower = operation::lower_level_of(file_, g);
    const operation::GivenValue backup = operation::backup_level_of(file_, g);
    if (lower.given && !power_failure_) {
      events.push_back({RuleEvent::lower, g, lower.value, +1, nullptr});
    }
    if (backup.given) {
      events.push_back({RuleEvent::backup_lower, g, backup.value, +1, nullptr});
    }
    if (file_.raise_at_level.given && !power_failure_) {
      events.push_back({RuleEvent::raise, g, file_.raise_at_level.value, -1, nullptr});
    }
    AirGate* gate = gates_[g];
    events.push_back({RuleEvent::leaf_down, g, 0.0, -1, [gate](double level, double air) {
                        return air - gate->lowered_air(level) * (1.0 + kDownAirShare);
                      }});
    if (!power_failure_) {
      const double most = raised_air_;
      events.push_back({RuleEvent::leaf_up, g, 0.0, +1, [gate, most](double level, double air) {
                          return air - std::min(most, gate->raised_air(level));
                        }});
    }
    if (!power_failure_ && file_.has_blower) {
      const operation::BlowerCurve curve = file_.blower_curve;
      auto stall = [gate, curve](double level, double air) {
        return blower_delivery(*gate, curve, level, air) -
               kStallShare * curve.front().delivery_m3_per_min;
      };
      events.push_back({RuleEvent::blower_stall, g, 0.0, -1, stall});
    }
  }
  return events;
}

void FloodRule::note(const EventHit& hit, Switch what, std::string detail) {
  switches_.push_back({hit.time, hit.level, hit.gate, what, std::move(detail)});
}

bool FloodRule::open_valve(std::size_t gate, double time, double level, Switch what) {
  Machinery& m = machinery_[gate];
  if (m.valve_open) return false;
  const bool freed = m.blower_on;
  m.valve_open = true;
  m.blower_on = false;
  m.waiting = false;
  switches_.push_back({time, level, gate, what, std::string()});
  return freed;
}

void FloodRule::start_blower(const EventHit& hit) {
  Machinery& m = machinery_[hit.gate];
  m.waiting = false;
  m.blower_on = true;
  m.stalled = false;
  note(hit, Switch::blower_starts);
  note_stall(hit);  // a bag already at the blower's limit
}

void FloodRule::raise_due(const EventHit& hit) {
  Machinery& m = machinery_[hit.gate];
  m.valve_open = false;
  std::size_t running = 0;
  for (const Machinery& other : machinery_) running += other.blower_on ? 1 : 0;
  if (running < blowers_) {
    start_blower(hit);
    return;
  }
  m.waiting = true;
  m.waiting_air = hit.air;  // shut in: no valve, no blower
  note(hit, Switch::blower_waits);
}

bool FloodRule::hand_on(double time, double level) {
  for (std::size_t g = 0; g < machinery_.size(); ++g) {
    if (!machinery_[g].waiting) continue;
    start_blower({RuleEvent::raise, g, time, level, machinery_[g].waiting_air});
    return true;
  }
  return false;
}

void FloodRule::start(double level) {
  for (const LevelEvent& e : events()) {
    if (lowers(e.what) && level >= e.level) open_valve(e.gate, 0.0, level, valve_of(e.what));
  }  // no blower runs before the flood: none is freed
}

void FloodRule::note_stall(const EventHit& hit) {
  Machinery& m = machinery_[hit.gate];
  AirGate& gate = *gates_[hit.gate];
  if (!m.blower_on || m.stalled) return;
  const double delivery = blower_delivery(gate, file_.blower_curve, hit.level, hit.air);
  if (delivery > kStallShare * file_.blower_curve.front().delivery_m3_per_min) return;
  m.stalled = true;
  const GateState s = gate.state(hit.level, hit.air);
  const double gauge = (bag_p_abs(s, hit.air) - kAtmosphericPressure) / 1000.0;
  note(hit, Switch::blower_stalls,
       " at " + text::fixed_text(gauge, 1) + " kPa with the leaf at " +
           text::fixed_text(s.theta1_deg, 1) + " degrees (its curve " +
           (operation::shuts_off(file_.blower_curve) ? "delivers nothing from " : "ends at ") +
           text::fixed_text(operation::limit_kpa(file_.blower_curve), 1) + " kPa)");
}

void FloodRule::note_lowest(const EventHit& hit) {
  AirGate& gate = *gates_[hit.gate];
  const LevelPath& path = gate.path_near(hit.level);
  if (!path.stopped) return;
  note(hit, Switch::leaf_stays,
       " at " + text::fixed_text(gate.state(hit.level, hit.air).theta1_deg, 1) +
           " degrees, the lowest state the model holds (at " + text::fixed_text(path.level, 2) +
           " m the run below " + text::fixed_text(path.states.back().theta1_deg, 1) +
           " degrees stops: " + path.reason + ")");
}

bool FloodRule::act(const EventHit& hit) {
  Machinery& m = machinery_[hit.gate];
  AirGate& gate = *gates_[hit.gate];
  if (hit.what == RuleEvent::blower_stall) {
    note_stall(hit);
    return false;
  }
  if (lowers(hit.what)) {
    const bool was_open = m.valve_open;
    if (open_valve(hit.gate, hit.time, hit.level, valve_of(hit.what))) hand_on(hit.time, hit.level);
    return !was_open;
  }
  if (hit.what == RuleEvent::leaf_up) {
    if (!m.blower_on) return false;
    m.blower_on = false;
    note(hit, Switch::blower_stops);
    hand_on(hit.time, hit.level);
    return true;
  }
  if (hit.what == RuleEvent::leaf_down) {
    if (m.valve_open) {
      note(hit, Switch::leaf_down);
      note_lowest(hit);
    }
    // The flood receded past raise_at_level while the leaf was still going down.
    const bool receded = !power_failure_ && file_.raise_at_level.given &&
                         hit.level < file_.raise_at_level.value && file_.has_blower;
    if (!m.valve_open || !receded) return false;
  } else if (!m.valve_open) {
    return false;
  } else if (hit.air > gate.lowered_air(hit.level) * (1.0 + kDownAirShare)) {
    // The blower raises only a leaf that is down: a leaf on its way down
    // would be pushed back up against the flood still passing over it.
    note(hit, Switch::leaf_not_down);
    return false;
  }
  raise_due(hit);
  return true;
}

void operate_by(FloodRule& rule, RouteInput& in) {
  in.air_rate = [&rule](double, double level, std::size_t gate, double air) {
    return rule.air_rate(level, gate, air);
  };
  in.events = rule.events();
  in.on_event = [&rule](const EventHit& hit) { return rule.act(hit); };
}

double FloodRule::air_rate(double level, std::size_t gate, double air) {
  const Machinery& m = machinery_[gate];
  AirGate& g = *gates_[gate];
  if (m.valve_open) {
    // The leaf down on its seat, the bag goes on emptying until it stands at
    // atmospheric pressure: the flow falls to 0 with the pressure, with no
    // jump where the leaf comes to rest.
    const double p_abs = bag_p_abs(g.outline_state(level, air), air);
    return -operation::exhaust_flow_per_area(p_abs, temperature_k_) * file_.valve_area.value *
           file_.valve_coefficient.value / g.span();
  }
  if (m.blower_on && air < std::min(raised_air_, g.raised_air(level))) {
    // m3/min, whole gate
    return blower_delivery(g, file_.blower_curve, level, air) / 60.0 / g.span();
  }
  return 0.0;
}

}  // namespace flood
}  // namespace tqweir
