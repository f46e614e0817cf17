// The rule the gate is operated by through a flood, from operation.csv:
// the exhaust valve opens when the level rises to lower_at_level; once the
// flood has receded below raise_at_level with the leaf down, the valve
// closes and the blower raises the leaf until the bag holds the air it
// held before the flood; a float-operated valve opens at
// backup_lower_at_level without power. Without power (power_failure)
// neither the valve nor the blower works: only the float valve.
#ifndef TQWEIR_FLOOD_FLOOD_RULE_H_
#define TQWEIR_FLOOD_FLOOD_RULE_H_

#include <string>
#include <vector>

#include "flood/air_gate.h"
#include "flood/route.h"
#include "flood/seated_leaf.h"
#include "operation/operation_file.h"

namespace tqweir {
namespace flood {

// A change the rule made, in time order.
struct RuleSwitch {
  double time = 0.0;   // s
  double level = 0.0;  // m
  // "valve opens", "float valve opens", "leaf down", "leaf not down" (the
  // flood receded past raise_at_level before it was: the blower waits for
  // it), "the leaf stays at A degrees, the lowest state the model holds
  // (...)" (right after "leaf down" where the paths stop above the lowered
  // angle), "blower starts", "blower stops" (the leaf up again), "blower
  // stalls at P kPa with the leaf at A degrees (its curve delivers nothing
  // from L kPa)" (its delivery down to 1 % of its curve's first: the leaf
  // gets no further while the bag needs that pressure)
  std::string what;
};

class FloodRule {
 public:
  // `raised_air` (m3/m) is the air before the flood, the most the blower
  // puts back; `temperature_k`
  // the bag's air (K). The gate must outlive the rule.
  FloodRule(const operation::OperationFile& file, AirGate& gate, double raised_air,
            double temperature_k, bool power_failure);

  // The levels the rule acts at, the air reaching the lowered state
  // ("leaf down") and the raised one ("leaf up"), and the blower's
  // delivery falling to its stall.
  std::vector<LevelEvent> events() const;

  // Before the route: the valves that a start at `level` already opens.
  void start(double level);

  // The EventAction of the route: true when it changed the air's rate.
  bool act(const EventHit& hit);

  // The AirRate of the route (m3/m per s, free air): the valve's flow out
  // while it is open (on past the leaf coming down, until the bag stands
  // at atmospheric pressure), the blower's in while it runs and the bag
  // holds less than both the air before the flood and the raised state's
  // at the level (the leaf up against the stopper at the case's tension).
  double air_rate(double level, double air);

  const std::vector<RuleSwitch>& switches() const { return switches_; }

 private:
  void open_valve(double time, double level, const char* what);
  // Records the blower's stall once per run when its delivery at the hit
  // has fallen to the stall's share.
  void note_stall(const EventHit& hit);
  // Records, at the leaf coming down, a path that stops above the lowered
  // angle: the leaf is at the lowest state the model has, not seated.
  void note_lowest(const EventHit& hit);
  AirGate* gate_;
  operation::OperationFile file_;
  double raised_air_;
  double temperature_k_;
  bool power_failure_;
  bool valve_open_ = false;
  bool blower_on_ = false;
  bool stalled_ = false;
  std::vector<RuleSwitch> switches_;
};

// The blower's delivery (m3/min of free air, whole gate) against the bag's
// gauge pressure at `level` and `air`.
double blower_delivery(AirGate& gate, const operation::BlowerCurve& curve, double level,
                       double air);

// The leaf counts as down within this share of the lowered state's air.
constexpr double kDownAirShare = 1e-6;

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_FLOOD_RULE_H_
