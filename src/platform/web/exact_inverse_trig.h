// atan, asin and acos rounded to the nearest double, as glibc rounds them
// wherever its result is correctly rounded.
//
// Each takes a first guess within a few ulps (the C library's own result)
// and applies one Newton step with sin and cos in double-double
// (platform/web/exact_sin_cos.h): the error of the guess squares, to far below
// 2^-100, and the corrected value is rounded once.
#ifndef TQWEIR_WEB_EXACT_INVERSE_TRIG_H_
#define TQWEIR_WEB_EXACT_INVERSE_TRIG_H_

namespace tqweir {
namespace web {

// REQUIRES: x finite; guess within a few ulps of atan(x).
double exact_atan(double x, double guess);

// REQUIRES: |x| <= 1; guess within a few ulps of asin(x), acos(x).
double exact_asin(double x, double guess);
double exact_acos(double x, double guess);

}  // namespace web
}  // namespace tqweir

#endif  // TQWEIR_WEB_EXACT_INVERSE_TRIG_H_
