// The rule the gate is operated by through a flood, from operation.csv:
// the exhaust valve opens when the level rises to lower_at_level; once the
// flood has receded below raise_at_level with the leaf down, the valve
// closes and the blower raises the leaf until the bag holds the air it
// held before the flood; a float-operated valve opens at
// backup_lower_at_level without power. Without power (power_failure)
// neither the valve nor the blower works: only the float valve. Each of the
// route's gates has its own valve and float valve (at its own levels of
// lower_at_levels and backup_lower_at_levels) and its own events, and is
// operated on its own air. The blowers (operation.csv's `blowers`, else
// one per gate) raise at most that many gates at once: a gate whose raise
// is due while all run waits, its valve shut, and the first gate waiting
// (in gate order) takes the next blower freed. A failed gate's valve and
// float valve never open: its air stays shut in.
#ifndef TQWEIR_FLOOD_FLOOD_RULE_H_
#define TQWEIR_FLOOD_FLOOD_RULE_H_

#include <cstddef>
#include <string>
#include <vector>

#include "flood/air_gate.h"
#include "flood/route.h"
#include "flood/rule_switch.h"
#include "flood/seated_leaf.h"
#include "operation/operation_file.h"

namespace tqweir {
namespace flood {

class FloodRule {
 public:
  // `gates` are the route's, in its order; `raised_air` (m3/m) is the air
  // before the flood, the most the blower puts back into each;
  // `temperature_k` the bags' air (K). The gates must outlive the rule.
  // `failed`: one flag per gate, true for a gate whose valves fail
  // (empty: none fails).
  // REQUIRES: gates not empty, none null.
  FloodRule(const operation::OperationFile& file, std::vector<AirGate*> gates, double raised_air,
            double temperature_k, bool power_failure, std::vector<bool> failed = {});

  // Gate by gate: the levels the rule acts at, the gate's air reaching the
  // lowered state (leaf_down) and the raised one (leaf_up), and its
  // blower's delivery falling to its stall.
  std::vector<LevelEvent> events() const;

  // Before the route: the valves that a start at `level` already opens.
  void start(double level);

  // The EventAction of the route: true when it changed an air's rate.
  bool act(const EventHit& hit);

  // The AirRate of the route for gate `gate` (m3/m per s, free air): the
  // valve's flow out while it is open (on past the leaf coming down, until
  // the bag stands at atmospheric pressure), the blower's in while it runs
  // and the bag holds less than both the air before the flood and the
  // raised state's at the level (the leaf up against the stopper at the
  // case's tension).
  double air_rate(double level, std::size_t gate, double air);

  // The changes the rule made, in time order, each naming its gate.
  const std::vector<RuleSwitch>& switches() const { return switches_; }

 private:
  // What the rule has set going at one gate.
  struct Machinery {
    bool valve_open = false;
    bool blower_on = false;
    bool stalled = false;
    bool waiting = false;  // for a free blower, the valve shut
    double waiting_air = 0.0;  // m3/m, held while it waits
  };
  bool failed(std::size_t gate) const { return gate < failed_.size() && failed_[gate]; }
  // The valve shuts; a free blower raises the leaf, or the gate waits.
  void raise_due(const EventHit& hit);
  void start_blower(const EventHit& hit);
  // A blower freed at `time` and `level` goes to the first gate waiting;
  // true when one took it.
  bool hand_on(double time, double level);
  void note(const EventHit& hit, Switch what, std::string detail = std::string());
  // True when it stopped the gate's blower.
  bool open_valve(std::size_t gate, double time, double level, Switch what);
  // Records the blower's stall once per run when its delivery at the hit
  // has fallen to the stall's share.
  void note_stall(const EventHit& hit);
  // Records, at the leaf coming down, a path that stops above the lowered
  // angle: the leaf is at the lowest state the model has, not seated.
  void note_lowest(const EventHit& hit);
  std::vector<AirGate*> gates_;
  std::vector<Machinery> machinery_;  // one per gate
  operation::OperationFile file_;
  double raised_air_;
  double temperature_k_;
  bool power_failure_;
  std::vector<bool> failed_;
  std::size_t blowers_;  // at most this many run at once
  std::vector<RuleSwitch> switches_;
};

// Gives the route `in` the rule's air rates, its events and its actions on
// them. The rule must outlive the route.
void operate_by(FloodRule& rule, RouteInput& in);

// The blower's delivery (m3/min of free air, whole gate) against the bag's
// gauge pressure at `level` and `air`.
double blower_delivery(AirGate& gate, const operation::BlowerCurve& curve, double level,
                       double air);

// The leaf counts as down within this share of the lowered state's air.
constexpr double kDownAirShare = 1e-6;

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_FLOOD_RULE_H_
