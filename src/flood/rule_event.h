// What the route watches for the flood's rule at one gate: a level of
// operation.csv crossed, or that gate's air reaching a state of the leaf.
#ifndef TQWEIR_FLOOD_RULE_EVENT_H_
#define TQWEIR_FLOOD_RULE_EVENT_H_

namespace tqweir {
namespace flood {

enum class RuleEvent {
  lower,         // lower_at_level, rising
  backup_lower,  // backup_lower_at_level, rising
  raise,         // raise_at_level, falling
  leaf_down,     // the air falling to the lowered state's
  leaf_up,       // the air rising to the raised state's
  blower_stall,  // the blower's delivery falling to its stall
};

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_RULE_EVENT_H_
