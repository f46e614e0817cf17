#include "flood/flood_rule.h"

#include <algorithm>

#include "core/constants.h"
#include "text/number_text.h"
#include "operation/blower_curve.h"
#include "operation/orifice_flow.h"

namespace tqweir {
namespace flood {
namespace {

const char kLower[] = "lower_at_level";
const char kRaise[] = "raise_at_level";
const char kBackup[] = "backup_lower_at_level";
const char kDown[] = "leaf down";
const char kUp[] = "leaf up";
const char kStall[] = "blower stalls";

// The blower counts as stalled against the bag once its delivery has
// fallen to this share of its delivery at the curve's first pressure: the
// pressure the path needs is at the curve's shut-off (or past its end) and
// the leaf gets no further; towards a shut-off the delivery falls to
// nothing and the air only creeps up to where it would be 0.
constexpr double kStallShare = 0.01;

}  // namespace

double blower_delivery(AirGate& gate, const operation::BlowerCurve& curve, double level,
                       double air) {
  const double p_abs = bag_p_abs(gate.state(level, air), air);
  return operation::blower_delivery(curve, (p_abs - kAtmosphericPressure) / 1000.0);
}

FloodRule::FloodRule(const operation::OperationFile& file, AirGate& gate, double raised_air,
                     double temperature_k, bool power_failure)
    : gate_(&gate),
      file_(file),
      raised_air_(raised_air),
      temperature_k_(temperature_k),
      power_failure_(power_failure) {}

std::vector<LevelEvent> FloodRule::events() const {
  std::vector<LevelEvent> events;
  if (file_.lower_at_level.given && !power_failure_) {
    events.push_back({kLower, file_.lower_at_level.value, +1, nullptr});
  }
  if (file_.backup_lower_at_level.given) {
    events.push_back({kBackup, file_.backup_lower_at_level.value, +1, nullptr});
  }
  if (file_.raise_at_level.given && !power_failure_) {
    events.push_back({kRaise, file_.raise_at_level.value, -1, nullptr});
  }
  AirGate* gate = gate_;
  events.push_back({kDown, 0.0, -1, [gate](double level, double air) {
                      return air - gate->lowered_air(level) * (1.0 + kDownAirShare);
                    }});
  if (!power_failure_) {
    const double most = raised_air_;
    events.push_back({kUp, 0.0, +1, [gate, most](double level, double air) {
                        return air - std::min(most, gate->raised_air(level));
                      }});
  }
  if (!power_failure_ && file_.has_blower) {
    const operation::BlowerCurve curve = file_.blower_curve;
    events.push_back({kStall, 0.0, -1, [gate, curve](double level, double air) {
                        return blower_delivery(*gate, curve, level, air) -
                               kStallShare * curve.front().delivery_m3_per_min;
                      }});
  }
  return events;
}

void FloodRule::open_valve(double time, double level, const char* what) {
  if (valve_open_) return;
  valve_open_ = true;
  blower_on_ = false;
  switches_.push_back({time, level, what});
}

void FloodRule::start(double level) {
  for (const LevelEvent& e : events()) {
    if ((e.name == kLower || e.name == kBackup) && level >= e.level) {
      open_valve(0.0, level, e.name == kLower ? "valve opens" : "float valve opens");
    }
  }
}

void FloodRule::note_stall(const EventHit& hit) {
  if (!blower_on_ || stalled_) return;
  const double delivery = blower_delivery(*gate_, file_.blower_curve, hit.level, hit.air);
  if (delivery > kStallShare * file_.blower_curve.front().delivery_m3_per_min) return;
  stalled_ = true;
  const GateState s = gate_->state(hit.level, hit.air);
  const double gauge = (bag_p_abs(s, hit.air) - kAtmosphericPressure) / 1000.0;
  switches_.push_back(
      {hit.time, hit.level,
       std::string(kStall) + " at " + text::fixed_text(gauge, 1) + " kPa with the leaf at " +
           text::fixed_text(s.theta1_deg, 1) + " degrees (its curve " +
           (operation::shuts_off(file_.blower_curve) ? "delivers nothing from " : "ends at ") +
           text::fixed_text(operation::limit_kpa(file_.blower_curve), 1) + " kPa)"});
}

void FloodRule::note_lowest(const EventHit& hit) {
  const LevelPath& path = gate_->path_near(hit.level);
  if (!path.stopped) return;
  switches_.push_back({hit.time, hit.level,
                       "the leaf stays at " + text::fixed_text(gate_->state(hit.level, hit.air).theta1_deg, 1) +
                           " degrees, the lowest state the model holds (at " +
                           text::fixed_text(path.level, 2) + " m the run below " +
                           text::fixed_text(path.states.back().theta1_deg, 1) + " degrees stops: " +
                           path.reason + ")"});
}

bool FloodRule::act(const EventHit& hit) {
  if (hit.name == kStall) {
    note_stall(hit);
    return false;
  }
  if (hit.name == kLower || hit.name == kBackup) {
    const bool was_open = valve_open_;
    open_valve(hit.time, hit.level, hit.name == kLower ? "valve opens" : "float valve opens");
    return !was_open;
  }
  if (hit.name == kUp) {
    if (!blower_on_) return false;
    blower_on_ = false;
    switches_.push_back({hit.time, hit.level, "blower stops"});
    return true;
  }
  if (hit.name == kDown) {
    if (valve_open_) {
      switches_.push_back({hit.time, hit.level, "leaf down"});
      note_lowest(hit);
    }
    // The flood receded past raise_at_level while the leaf was still going down.
    const bool receded = !power_failure_ && file_.raise_at_level.given &&
                         hit.level < file_.raise_at_level.value && file_.has_blower;
    if (!valve_open_ || !receded) return false;
  } else if (!valve_open_) {
    return false;
  } else if (hit.air > gate_->lowered_air(hit.level) * (1.0 + kDownAirShare)) {
    // The blower raises only a leaf that is down: a leaf on its way down
    // would be pushed back up against the flood still passing over it.
    switches_.push_back({hit.time, hit.level, "leaf not down"});
    return false;
  }
  valve_open_ = false;
  blower_on_ = true;
  stalled_ = false;
  switches_.push_back({hit.time, hit.level, "blower starts"});
  note_stall(hit);  // a bag already at the blower's limit
  return true;
}

double FloodRule::air_rate(double level, double air) {
  if (valve_open_) {
    // The leaf down on its seat, the bag goes on emptying until it stands at
    // atmospheric pressure: the flow falls to 0 with the pressure, with no
    // jump where the leaf comes to rest.
    const double p_abs = bag_p_abs(gate_->state(level, air), air);
    return -operation::exhaust_flow_per_area(p_abs, temperature_k_) * file_.valve_area.value *
           file_.valve_coefficient.value / gate_->span();
  }
  if (blower_on_ && air < std::min(raised_air_, gate_->raised_air(level))) {
    // m3/min, whole gate
    return blower_delivery(*gate_, file_.blower_curve, level, air) / 60.0 / gate_->span();
  }
  return 0.0;
}

}  // namespace flood
}  // namespace tqweir
