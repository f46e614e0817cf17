#include "risk/event_draw.h"

namespace tqweir {
namespace risk {
namespace {

// SplitMix64's increment and finaliser (Steele, Lea and Flood 2014): a
// bijection of 64 bits whose output bits each depend on every input bit.
std::uint64_t mix(std::uint64_t z) {
  z += 0x9e3779b97f4a7c15ULL;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

}  // namespace

double uniform_draw(std::uint64_t seed, const DrawIndex& index) {
  std::uint64_t h = mix(seed);
  h = mix(h ^ static_cast<std::uint64_t>(index.stream));
  h = mix(h ^ index.realization);
  h = mix(h ^ index.bin);
  h = mix(h ^ index.event);
  // The top 53 bits, centred in their interval: never 0, never 1.
  return (static_cast<double>(h >> 11) + 0.5) * 0x1.0p-53;
}

}  // namespace risk
}  // namespace tqweir
