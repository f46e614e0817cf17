// The random numbers of a risk, each a function of its own index: the
// same number for the same (seed, stream, realization, bin, event) on any
// thread, in any order and with any standard library.
#ifndef TQWEIR_RISK_EVENT_DRAW_H_
#define TQWEIR_RISK_EVENT_DRAW_H_

#include <cstdint>

namespace tqweir {
namespace risk {

// What a draw is for, so that two uses of one index never share a number.
enum class DrawStream : std::uint64_t { event_peak = 1, record_peak = 2 };

struct DrawIndex {
  DrawStream stream = DrawStream::event_peak;
  std::uint64_t realization = 0;
  std::uint64_t bin = 0;
  std::uint64_t event = 0;  // or the year of a bootstrap record
};

// A uniform number in (0, 1), 53 bits, from SplitMix64's finaliser chained
// over the seed and the index's parts.
double uniform_draw(std::uint64_t seed, const DrawIndex& index);

}  // namespace risk
}  // namespace tqweir

#endif  // TQWEIR_RISK_EVENT_DRAW_H_
