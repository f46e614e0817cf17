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

// atan u for |u| <= 1 given as a double-double, from the guess y0 and
// sin and cos of y0: Newton on g(y) = sin y - u cos y, whose slope at the
// root is 1 / cos y.
DoubleDouble refined_atan(const DoubleDouble& u, double y0, const SinCos& sc) {
  const DoubleDouble g = sc.sin - u * sc.cos;
  return corrected(y0, -(g.hi * sc.cos.hi));
}

// The Newton step `step` (from sin and cos of `angle`) rounded once: with
// the fast values when the rounding is certain within `fast_error`
// (relative, what their error makes of the step's result), else with the
// accurate ones. The fast path decides nearly every argument at a tenth of
// the cost.
template <class Step>
double rounded_step(double angle, double fast_error, const Step& step) {
  SinCos sc;
  if (fast_error > 0.0 && fast_sin_cos(angle, sc)) {
    const DoubleDouble v = step(sc);
    if (rounding_is_certain(v, fast_error)) return v.hi;
  }
  return rounded(step(sin_cos_double_double(angle)));
}

}  // namespace

double exact_atan(double x, double guess) {
  if (std::fabs(x) < kTiny) return x;
  // The step's error is about twice that of sin and cos.
  const double fast_error = 4.0 * kFastSinCosError;
  if (std::fabs(x) <= 1.0) {
    const DoubleDouble u{x, 0.0};
    return rounded_step(guess, fast_error, [&](const SinCos& sc) { return refined_atan(u, guess, sc); });
  }
  if (std::fabs(x) > kHugeTangent) return std::copysign(kHalfPi.hi, x);
  // atan x = +-pi/2 - atan(1/x), with 1/x as a double-double and its atan
  // guessed from the guess of atan x.
  const double inv = 1.0 / x;
  const DoubleDouble u{inv, -rounded(two_prod(x, inv) + -1.0) / x};
  const DoubleDouble half_pi = x > 0.0 ? kHalfPi : -kHalfPi;
  const double y0 = rounded(half_pi + -guess);
  return rounded_step(y0, fast_error,
                      [&](const SinCos& sc) { return half_pi - refined_atan(u, y0, sc); });
}

double exact_asin(double x, double guess) {
  if (std::fabs(x) < kTiny) return x;
  // Newton on sin y - x; next to |x| = 1 the slope cos y is small, but the
  // guess is then within 2^-52 and the step's own error stays near 2^-80.
  // The fast values' error grows there as tan y / y: they serve up to
  // |x| = 0.99 (tan y / y below 6).
  const double fast_error = std::fabs(x) <= 0.99 ? 16.0 * kFastSinCosError : 0.0;
  return rounded_step(guess, fast_error, [&](const SinCos& sc) {
    if (sc.cos.hi == 0.0) return DoubleDouble{guess, 0.0};
    const DoubleDouble g = sc.sin + -x;
    return corrected(guess, -(g.hi / sc.cos.hi));
  });
}

double exact_acos(double x, double guess) {
  if (x == 1.0) return 0.0;
  if (x == -1.0) return kPi;
  // Newton on g(y) = cos y - x, slope -sin y. Next to x = +1 (y small) and
  // x = -1 (y near pi) cos y - x is formed from the exact 1 - x or 1 + x and
  // a square of sin(y/2) or cos(y/2), so that it keeps its relative
  // accuracy where y or pi - y is small.
  const double half_guess = 0.5 * guess;
  const auto g_of = [&](const SinCos& half, const DoubleDouble& cos_y) {
    if (x > 0.5) return (half.sin * half.sin) * -2.0 + (1.0 - x);
    if (x < -0.5) return (half.cos * half.cos) * 2.0 + -(1.0 + x);
    return cos_y + -x;
  };
  // Fast: sin and cos of the half angle alone, the whole angle's by the
  // double-angle formulas (cos y loses its relative accuracy near pi/2,
  // where |x| < 0.5 keeps y within [pi/3, 2pi/3] and the error absolute).
  SinCos half;
  if (fast_sin_cos(half_guess, half)) {
    const double slope = -2.0 * half.sin.hi * half.cos.hi;
    if (slope != 0.0) {
      const DoubleDouble cos_y = half.cos * half.cos - half.sin * half.sin;
      const DoubleDouble v = corrected(guess, -(g_of(half, cos_y).hi / slope));
      if (rounding_is_certain(v, 16.0 * kFastSinCosError)) return v.hi;
    }
  }
  half = sin_cos_double_double(half_guess);
  const SinCos whole = sin_cos_double_double(guess);
  const DoubleDouble g = g_of(half, whole.cos);
  const double slope = -whole.sin.hi;
  if (slope == 0.0) return guess;
  return rounded(corrected(guess, -(g.hi / slope)));
}

}  // namespace web
}  // namespace tqweir
