#include "flood/flood_rule.h"

#include <algorithm>

#include "core/constants.h"
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

}  // namespace

double bag_p_abs(const GateState& state, double air) {
  const double area = state.values[static_cast<std::size_t>(summary_index(SummaryId::bag_area))];
  return kAtmosphericPressure * air / area;
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

bool FloodRule::act(const EventHit& hit) {
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
    if (valve_open_) switches_.push_back({hit.time, hit.level, "leaf down"});
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
  switches_.push_back({hit.time, hit.level, "blower starts"});
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
    const double p_abs = bag_p_abs(gate_->state(level, air), air);
    const double delivery = operation::blower_delivery(
        file_.blower_curve, (p_abs - kAtmosphericPressure) / 1000.0);  // m3/min, whole gate
    return delivery / 60.0 / gate_->span();
  }
  return 0.0;
}

}  // namespace flood
}  // namespace tqweir
