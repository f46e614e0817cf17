#include "flood/gate_regime.h"

#include <iterator>
#include <stdexcept>

namespace tqweir {
namespace flood {
namespace {

// In the enum's order: the one place the words are spelled.
const char* const kWords[] = {"none", "fixed", "stopper", "slack", "lowered", "lowest_held"};

constexpr std::size_t kCount = std::size(kWords);
static_assert(kCount == static_cast<std::size_t>(GateRegime::lowest_held) + 1,
              "one word for each regime");

}  // namespace

const char* regime_word(GateRegime regime) { return kWords[static_cast<std::size_t>(regime)]; }

GateRegime regime_named(const std::string& word) {
  for (std::size_t i = 0; i < kCount; ++i) {
    if (word == kWords[i]) return static_cast<GateRegime>(i);
  }
  throw std::invalid_argument("no regime is named '" + word + "'");
}

}  // namespace flood
}  // namespace tqweir
