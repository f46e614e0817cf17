// sin, cos and tan rounded to the nearest double, as glibc rounds them
// wherever its result is correctly rounded.
//
// The WebAssembly C library rounds about one sine in thirty the other way
// than glibc does; the core's 1001-point integrals sum a thousand sines, and
// their last bits reach the printed results. These evaluate in double-double
// (about 106 bits) and round once: a fast table evaluation good to 2^-64
// relative whose rounding is checked against that bound, and an evaluation
// good to about 2^-100 when the check fails.
#ifndef TQWEIR_WEB_EXACT_SIN_COS_H_
#define TQWEIR_WEB_EXACT_SIN_COS_H_

#include "platform/web/double_double.h"

namespace tqweir {
namespace web {

// Arguments up to this size (radians) are reduced here, exactly enough;
// larger ones, infinities and NaNs are the caller's (the C library's).
constexpr double kLargestReducedAngle = 1.0e8;

// REQUIRES for each: |x| <= kLargestReducedAngle.
double exact_sin(double x);
double exact_cos(double x);
double exact_tan(double x);

// sin x and cos x as double-doubles, to about 2^-100 relative: the inverse
// functions refine their first guesses with these.
// REQUIRES: |x| <= kLargestReducedAngle.
struct SinCos {
  DoubleDouble sin;
  DoubleDouble cos;
};
SinCos sin_cos_double_double(double x);

// Relative error bound of the fast table evaluation (the analysis gives
// about 2^-68 at its worst point, the first table step).
constexpr double kFastSinCosError = 0x1p-64;

// sin x and cos x from the fast evaluation, each within kFastSinCosError
// relative, for the inverse functions' and tan's quick path. False (and
// nothing set) where that bound is not assured: |x| beyond 6000, or x
// within 2^-12 of a multiple of pi/2.
bool fast_sin_cos(double x, SinCos& out);

// True when every value within `relative_error` of v rounds to v.hi, so
// that v.hi is the correctly rounded result.
bool rounding_is_certain(const DoubleDouble& v, double relative_error);

}  // namespace web
}  // namespace tqweir

#endif  // TQWEIR_WEB_EXACT_SIN_COS_H_
