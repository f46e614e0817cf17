#include "flood/rule_switch.h"

#include <iterator>

namespace tqweir {
namespace flood {
namespace {

// In the enum's order: the one place the words are spelled.
const char* const kWords[] = {"valve opens",   "float valve opens", "leaf down",
                              "leaf not down", "the leaf stays",    "blower starts",
                              "blower stops",  "blower stalls",     "waits for a blower"};

static_assert(std::size(kWords) == static_cast<std::size_t>(Switch::blower_waits) + 1,
              "one word for each switch");

}  // namespace

const char* switch_word(Switch what) { return kWords[static_cast<std::size_t>(what)]; }

std::string switch_text(const RuleSwitch& s) { return switch_word(s.what) + s.detail; }

}  // namespace flood
}  // namespace tqweir
