#include "platform/web/exact_sin_cos.h"

#include <cmath>

#include "platform/web/angle_reduction.h"
#include "platform/web/sin_cos_table.h"

namespace tqweir {
namespace web {

namespace {

// Below this size sin x and tan x round to x and cos x to 1: the next term
// of their series is under a quarter of an ulp.
constexpr double kTinyAngle = 0x1p-27;

// A result whose rounding the fast bound leaves in doubt is evaluated
// again accurately.
constexpr double kFastError = kFastSinCosError;

// r = a + t with a the table point nearest to r >= 0, |t| <= 1/128.
// r.hi - a is exact: both lie within a factor of two of each other.
struct NearPoint {
  const SinCosPoint* point;
  DoubleDouble t;
};

NearPoint near_point(const DoubleDouble& r) {
  int i = static_cast<int>(r.hi / kSinCosStep + 0.5);
  if (i >= kSinCosPoints) i = kSinCosPoints - 1;
  return {&kSinCosTable[i], {r.hi - i * kSinCosStep, r.lo}};
}

// sin t and cos t - 1 for |t| <= 1/128.
struct SmallAngle {
  DoubleDouble sin;
  DoubleDouble cos_minus_1;
};

// Fast: sin t with its leading term exact and the rest in double (about
// 2^-75 absolute); cos t - 1 (at most 2^-15) in double alone, whose
// rounding, times sin a or cos a, stays near 2^-68 of the result.
SmallAngle small_angle_fast(const DoubleDouble& t) {
  const double th = t.hi;
  const double z = th * th;
  SmallAngle out;
  out.sin = {th, t.lo * (1.0 - 0.5 * z) +
                     th * z * (-1.0 / 6.0 + z * (1.0 / 120.0 - z * (1.0 / 5040.0)))};
  out.cos_minus_1 = {-0.5 * z - th * t.lo +
                         z * z * (1.0 / 24.0 - z * (1.0 / 720.0 - z * (1.0 / 40320.0))),
                     0.0};
  return out;
}

// 1/n! as double-doubles, n = 2..13.
constexpr DoubleDouble kInverseFactorial[] = {
    {0x1.0000000000000p-1, 0x0.0p+0},                  // 1/2!
    {0x1.5555555555555p-3, 0x1.5555555555555p-57},     // 1/3!
    {0x1.5555555555555p-5, 0x1.5555555555555p-59},     // 1/4!
    {0x1.1111111111111p-7, 0x1.1111111111111p-63},     // 1/5!
    {0x1.6c16c16c16c17p-10, -0x1.f49f49f49f49fp-65},   // 1/6!
    {0x1.a01a01a01a01ap-13, 0x1.a01a01a01a01ap-73},    // 1/7!
    {0x1.a01a01a01a01ap-16, 0x1.a01a01a01a01ap-76},    // 1/8!
    {0x1.71de3a556c734p-19, -0x1.c154f8ddc6c00p-73},   // 1/9!
    {0x1.27e4fb7789f5cp-22, 0x1.cbbc05b4fa99ap-76},    // 1/10!
    {0x1.ae64567f544e4p-26, -0x1.c062e06d1f209p-80},   // 1/11!
    {0x1.1eed8eff8d898p-29, -0x1.2aec959e14c06p-83},   // 1/12!
    {0x1.6124613a86d09p-33, 0x1.f28e0cc748ebep-87},    // 1/13!
};

DoubleDouble inverse_factorial(int n) { return kInverseFactorial[n - 2]; }

// sum over j >= 0 of (-z)^j / (first + 2j)!, up to 13!, by Horner's rule.
DoubleDouble alternating_series(const DoubleDouble& z, int first) {
  int n = first;
  while (n + 2 <= 13) n += 2;
  DoubleDouble sum = inverse_factorial(n);
  for (n -= 2; n >= first; n -= 2) sum = inverse_factorial(n) - z * sum;
  return sum;
}

// Accurate: everything in double-double; the series stop after t^13/13!,
// below 2^-120 for |t| <= 1/128.
SmallAngle small_angle_accurate(const DoubleDouble& t) {
  const DoubleDouble z = t * t;
  SmallAngle out;
  out.sin = t - t * z * alternating_series(z, 3);
  out.cos_minus_1 = -(z * alternating_series(z, 2));
  return out;
}

DoubleDouble table_sin(const SinCosPoint& p, const SmallAngle& s) {
  const DoubleDouble sin_a{p.sin_hi, p.sin_lo};
  const DoubleDouble cos_a{p.cos_hi, p.cos_lo};
  return sin_a + (sin_a * s.cos_minus_1 + cos_a * s.sin);
}

DoubleDouble table_cos(const SinCosPoint& p, const SmallAngle& s) {
  const DoubleDouble sin_a{p.sin_hi, p.sin_lo};
  const DoubleDouble cos_a{p.cos_hi, p.cos_lo};
  return cos_a + (cos_a * s.cos_minus_1 - sin_a * s.sin);
}

// sin(a + t) = sin a + cos a sin t + sin a (cos t - 1): the first two
// terms' sum exact, the small ones in double. At the first table point
// sin a = 0 and the sum is sin t itself.
DoubleDouble fast_table_sin(const SinCosPoint& p, const SmallAngle& s) {
  const DoubleDouble q = two_prod(p.cos_hi, s.sin.hi);
  const DoubleDouble s1 = two_sum(p.sin_hi, q.hi);
  const double u = p.sin_hi * s.cos_minus_1.hi;
  const double low = s1.lo + (u + (p.sin_lo + q.lo + p.cos_hi * s.sin.lo + p.cos_lo * s.sin.hi +
                                   p.sin_lo * s.cos_minus_1.hi));
  return fast_two_sum(s1.hi, low);
}

// cos(a + t) = cos a - sin a sin t + cos a (cos t - 1), likewise.
DoubleDouble fast_table_cos(const SinCosPoint& p, const SmallAngle& s) {
  const DoubleDouble q = two_prod(p.sin_hi, s.sin.hi);
  const DoubleDouble s1 = two_sum(p.cos_hi, -q.hi);
  const double u = p.cos_hi * s.cos_minus_1.hi;
  const double low = s1.lo + (u + (p.cos_lo - q.lo - p.sin_hi * s.sin.lo - p.sin_lo * s.sin.hi +
                                   p.cos_lo * s.cos_minus_1.hi));
  return fast_two_sum(s1.hi, low);
}

// Sines of arguments up to this size are evaluated from the table without
// a reduction: x minus the table point is exact, and sin x is not small.
constexpr double kDirectSine = 1.6;

// sin r (want_sin) or cos r of a reduced angle; the sign of r is handled
// here, the table covers r >= 0.
DoubleDouble sin_or_cos_of_reduced(const DoubleDouble& r, bool want_sin, bool accurate) {
  const bool negative = r.hi < 0.0;
  const NearPoint np = near_point(negative ? -r : r);
  DoubleDouble v;
  if (accurate) {
    const SmallAngle s = small_angle_accurate(np.t);
    v = want_sin ? table_sin(*np.point, s) : table_cos(*np.point, s);
  } else {
    const SmallAngle s = small_angle_fast(np.t);
    v = want_sin ? fast_table_sin(*np.point, s) : fast_table_cos(*np.point, s);
  }
  return negative && want_sin ? -v : v;
}

// sin x (cosine false) or cos x, rounded once: fast when the rounding is
// certain, accurate otherwise. cos x = sin(x + pi/2), one quadrant on.
double rounded_sin_or_cos(double x, bool cosine) {
  ReducedAngle a;
  const bool direct = !cosine && std::fabs(x) <= kDirectSine;
  if (direct) a.r = {x, 0.0};
  const bool quick = direct || reduce_angle_short(x, a);
  const auto value = [&](bool accurate) {
    const int quadrant = (a.quadrant + (cosine ? 1 : 0)) % 4;
    const DoubleDouble v = sin_or_cos_of_reduced(a.r, quadrant % 2 == 0, accurate);
    return quadrant >= 2 ? -v : v;
  };
  if (quick) {
    const DoubleDouble v = value(false);
    if (rounding_is_certain(v, kFastError)) return v.hi;
  }
  if (!direct) a = reduce_angle(x);
  return rounded(value(true));
}

SinCos sin_cos_of_reduced(const DoubleDouble& r, bool accurate) {
  const bool negative = r.hi < 0.0;
  const NearPoint np = near_point(negative ? -r : r);
  DoubleDouble sin_r, cos_r;
  if (accurate) {
    const SmallAngle s = small_angle_accurate(np.t);
    sin_r = table_sin(*np.point, s);
    cos_r = table_cos(*np.point, s);
  } else {
    const SmallAngle s = small_angle_fast(np.t);
    sin_r = fast_table_sin(*np.point, s);
    cos_r = fast_table_cos(*np.point, s);
  }
  return {negative ? -sin_r : sin_r, cos_r};
}

// sin and cos of x = quadrant * pi/2 + r from those of r.
SinCos by_quadrant(const SinCos& sc, int quadrant) {
  switch (quadrant) {
    case 1: return {sc.cos, -sc.sin};
    case 2: return {-sc.sin, -sc.cos};
    case 3: return {-sc.cos, sc.sin};
    default: return sc;
  }
}

// tan x from sin and cos of the reduced angle: tan(r + pi/2) = -cos r / sin r.
DoubleDouble tan_of(const ReducedAngle& a, const SinCos& sc) {
  return a.quadrant % 2 == 0 ? sc.sin / sc.cos : -(sc.cos / sc.sin);
}

}  // namespace

double exact_sin(double x) {
  if (std::fabs(x) < kTinyAngle) return x;
  return rounded_sin_or_cos(x, false);
}

double exact_cos(double x) {
  if (std::fabs(x) < kTinyAngle) return 1.0;
  return rounded_sin_or_cos(x, true);
}

double exact_tan(double x) {
  if (std::fabs(x) < kTinyAngle) return x;
  ReducedAngle a;
  if (reduce_angle_short(x, a)) {
    // Two fast values, each within kFastError, and a quotient good to 2^-100.
    const DoubleDouble v = tan_of(a, sin_cos_of_reduced(a.r, false));
    if (rounding_is_certain(v, 3.0 * kFastError)) return v.hi;
  }
  a = reduce_angle(x);
  return rounded(tan_of(a, sin_cos_of_reduced(a.r, true)));
}

SinCos sin_cos_double_double(double x) {
  const ReducedAngle a = reduce_angle(x);
  return by_quadrant(sin_cos_of_reduced(a.r, true), a.quadrant);
}

bool fast_sin_cos(double x, SinCos& out) {
  ReducedAngle a;
  if (!reduce_angle_short(x, a)) return false;
  out = by_quadrant(sin_cos_of_reduced(a.r, false), a.quadrant);
  return true;
}

bool rounding_is_certain(const DoubleDouble& v, double relative_error) {
  const double err = relative_error * std::fabs(v.hi);
  return v.hi + (v.lo + err) == v.hi && v.hi + (v.lo - err) == v.hi;
}

}  // namespace web
}  // namespace tqweir
