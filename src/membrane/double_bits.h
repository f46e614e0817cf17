// The bit pattern of a double, for keys of results that are pure functions
// of their arguments: equal bits, equal results (signed zeros and each NaN
// pattern kept apart, unlike ==).
#ifndef TQWEIR_MEMBRANE_DOUBLE_BITS_H_
#define TQWEIR_MEMBRANE_DOUBLE_BITS_H_

#include <cstdint>
#include <cstring>

namespace tqweir {

inline std::uint64_t double_bits(double x) {
  std::uint64_t b;
  std::memcpy(&b, &x, sizeof b);
  return b;
}

}  // namespace tqweir

#endif  // TQWEIR_MEMBRANE_DOUBLE_BITS_H_
