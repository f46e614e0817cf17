// What holds the leaf in a state of the gate, and the word the flood's
// series and the rating print for it.
#ifndef TQWEIR_FLOOD_GATE_REGIME_H_
#define TQWEIR_FLOOD_GATE_REGIME_H_

#include <string>

namespace tqweir {
namespace flood {

enum class GateRegime {
  none,         // no state holds at the level
  fixed,        // the leaf held at a given angle
  stopper,      // the leaf raised, the stopper taut
  slack,        // the stopper slack, the leaf at the angle the air holds
  lowered,      // the leaf on its seat at the lowered angle
  lowest_held,  // the last state of a path that stops above the lowered angle
};

// "none", "fixed", "stopper", "slack", "lowered", "lowest_held".
const char* regime_word(GateRegime regime);

// The regime printed as `word`: the sealed bag's search names its states
// by these words. Throws std::invalid_argument for any other word.
GateRegime regime_named(const std::string& word);

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_GATE_REGIME_H_
