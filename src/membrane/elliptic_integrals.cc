#include "membrane/elliptic_integrals.h"

#include "membrane/double_bits.h"

namespace tqweir {

std::size_t EllipticIntegrals::KeyHash::operator()(const Key& k) const {
  // Both words mixed: amplitudes and parameters of one run share their high
  // bits, so neither alone spreads well over the buckets.
  std::uint64_t h = k.phi * 0x9E3779B97F4A7C15ULL;
  h ^= k.m + 0x9E3779B97F4A7C15ULL + (h << 6) + (h >> 2);
  return static_cast<std::size_t>(h);
}

const EllipticPair& EllipticIntegrals::pair(double phi, double m) {
  const Key key{double_bits(phi), double_bits(m)};
  auto it = kept_.find(key);
  if (it == kept_.end()) {
    evaluations_ += kEllipticNodes;
    it = kept_.emplace(key, elliptic_fe(phi, m)).first;
  }
  return it->second;
}

double EllipticIntegrals::f(double phi, double m) {
  if (mode_ == Evaluation::reuse) return pair(phi, m).f;
  evaluations_ += kEllipticNodes;
  return elliptic_f(phi, m);
}

double EllipticIntegrals::e(double phi, double m) {
  if (mode_ == Evaluation::reuse) return pair(phi, m).e;
  evaluations_ += kEllipticNodes;
  return elliptic_e(phi, m);
}

}  // namespace tqweir
