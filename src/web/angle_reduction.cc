#include "web/angle_reduction.h"

#include <cmath>

namespace tqweir {
namespace web {

namespace {

constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
// pi/2 = sum of these. The first five have 26 significant bits, so their
// products with a quarter-turn count below 2^26 are exact doubles.
constexpr double kHalfPi1 = 0x1.921fb50000000p+0;
constexpr double kHalfPi2 = 0x1.110b460000000p-26;
constexpr double kHalfPi3 = 0x1.1a62630000000p-54;
constexpr double kHalfPi4 = 0x1.8a2e030000000p-81;
constexpr double kHalfPi5 = 0x1.c1cd128000000p-107;
constexpr double kHalfPi6 = 0x1.024e088a67cc7p-135;
constexpr double kHalfPi7 = 0x1.0082efa98ec4ep-189;

}  // namespace

ReducedAngle reduce_angle(double x) {
  const double q = std::nearbyint(x * kTwoOverPi);
  ReducedAngle out;
  out.quadrant = static_cast<int>(static_cast<long long>(q) & 3);
  // x and q * kHalfPi1 lie within a factor of two of each other (q != 0), so
  // their difference is exact; each later piece is a smaller correction.
  DoubleDouble r{x - q * kHalfPi1, 0.0};
  r = r + -(q * kHalfPi2);
  r = r + -(q * kHalfPi3);
  r = r + -(q * kHalfPi4);
  r = r + -(q * kHalfPi5);
  r = r + -two_prod(q, kHalfPi6);
  r = r + -(q * kHalfPi7);
  out.r = r;
  return out;
}

}  // namespace web
}  // namespace tqweir
