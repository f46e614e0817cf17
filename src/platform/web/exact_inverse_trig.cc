#include "platform/web/exact_inverse_trig.h"

#include <cmath>

#include "platform/web/double_double.h"
#include "platform/web/exact_sin_cos.h"

namespace tqweir {
namespace web {

namespace {

// Below this size atan x and asin x round to x.
constexpr double kTiny = 0x1p-27;
constexpr DoubleDouble kHalfPi{0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54};
constexpr double kPi = 0x1.921fb54442d18p+1;
// Beyond this size atan x rounds to +-pi/2: pi/2 - 1/x stays within half an
// ulp of the double nearest pi/2.
constexpr double kHugeTangent = 0x1p53;

// y0 + correction as a double-double (|correction| within a few ulps of y0).
DoubleDouble corrected(double y0, double correction) { return two_sum(y0, correction); }

// atan u for |u| <= 1 given as a double-double, from the guess y0: Newton on
// g(y) = sin y - u cos y, whose slope at the root is 1 / cos y.
DoubleDouble refined_atan(const DoubleDouble& u, double y0) {
  const SinCos sc = sin_cos_double_double(y0);
  const DoubleDouble g = sc.sin - u * sc.cos;
  return corrected(y0, -(g.hi * sc.cos.hi));
}

}  // namespace

double exact_atan(double x, double guess) {
  if (std::fabs(x) < kTiny) return x;
  if (std::fabs(x) <= 1.0) return rounded(refined_atan({x, 0.0}, guess));
  if (std::fabs(x) > kHugeTangent) return std::copysign(kHalfPi.hi, x);
  // atan x = +-pi/2 - atan(1/x), with 1/x as a double-double and its atan
  // guessed from the guess of atan x.
  const double inv = 1.0 / x;
  const DoubleDouble u{inv, -rounded(two_prod(x, inv) + -1.0) / x};
  const DoubleDouble half_pi = x > 0.0 ? kHalfPi : -kHalfPi;
  const DoubleDouble complement = refined_atan(u, rounded(half_pi + -guess));
  return rounded(half_pi - complement);
}

double exact_asin(double x, double guess) {
  if (std::fabs(x) < kTiny) return x;
  // Newton on sin y - x; next to |x| = 1 the slope cos y is small, but the
  // guess is then within 2^-52 and the step's own error stays near 2^-80.
  const SinCos sc = sin_cos_double_double(guess);
  const DoubleDouble g = sc.sin + -x;
  if (sc.cos.hi == 0.0) return guess;
  return rounded(corrected(guess, -(g.hi / sc.cos.hi)));
}

double exact_acos(double x, double guess) {
  if (x == 1.0) return 0.0;
  if (x == -1.0) return kPi;
  // Newton on g(y) = cos y - x, slope -sin y. Next to x = +1 (y small) and
  // x = -1 (y near pi) cos y - x is formed from the exact 1 - x or 1 + x and
  // a square of sin(y/2) or cos(y/2), so that it keeps its relative
  // accuracy where y or pi - y is small.
  const SinCos half = sin_cos_double_double(0.5 * guess);
  DoubleDouble g;
  if (x > 0.5) {
    g = (half.sin * half.sin) * -2.0 + (1.0 - x);
  } else if (x < -0.5) {
    g = (half.cos * half.cos) * 2.0 + -(1.0 + x);
  } else {
    g = sin_cos_double_double(guess).cos + -x;
  }
  const double slope = -sin_cos_double_double(guess).sin.hi;
  if (slope == 0.0) return guess;
  return rounded(corrected(guess, -(g.hi / slope)));
}

}  // namespace web
}  // namespace tqweir
