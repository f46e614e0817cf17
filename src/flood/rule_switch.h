// A change the flood's rule made at one gate, and the words the printout
// gives it.
#ifndef TQWEIR_FLOOD_RULE_SWITCH_H_
#define TQWEIR_FLOOD_RULE_SWITCH_H_

#include <cstddef>
#include <string>

namespace tqweir {
namespace flood {

enum class Switch {
  valve_opens,        // the exhaust valve, at lower_at_level
  float_valve_opens,  // the float valve, at backup_lower_at_level
  leaf_down,          // the air down to the lowered state's
  // The flood receded past raise_at_level before the leaf was down: the
  // blower waits for it.
  leaf_not_down,
  // Right after leaf_down where the paths stop above the lowered angle:
  // the leaf stays at the lowest state the model holds.
  leaf_stays,
  blower_starts,
  blower_stops,  // the leaf up again
  // The blower's delivery down to a hundredth of its curve's first: the
  // leaf gets no further while the bag needs that pressure.
  blower_stalls,
  // The raise is due but every blower is busy raising other gates: the
  // valve is shut and the gate waits, its air held, for the first free one.
  blower_waits,
};

// "valve opens", "float valve opens", "leaf down", "leaf not down", "the
// leaf stays", "blower starts", "blower stops", "blower stalls", "waits for
// a blower".
const char* switch_word(Switch what);

struct RuleSwitch {
  double time = 0.0;      // s
  double level = 0.0;     // m
  std::size_t gate = 0;   // which of the route's gates, from 0
  Switch what = Switch::valve_opens;
  // Printed after the word: for leaf_stays the angle and why the path
  // stops, for blower_stalls the pressure, the angle and the curve's limit.
  std::string detail;
};

// The switch as the printout gives it: its word and its detail.
std::string switch_text(const RuleSwitch& s);

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_RULE_SWITCH_H_
