// WebAssembly builds only: sin, cos, tan, atan, asin and acos as the
// calculation calls them, correctly rounded (this folder's exact
// versions), in place of the C library's, which rounds about one sine in
// thirty the other way than glibc does. The link step wraps each name
// (-Wl,--wrap=sin ...), so every call to sin reaches __wrap_sin, and
// __real_sin is the C library's own, kept for what the exact versions leave
// to it (huge or non-finite arguments) and as the first guess of the
// inverse functions. glibc itself is correctly rounded nearly always, not
// always (docs/web.md); the native builds keep glibc's, whose speed the
// exact versions do not reach (a solve takes about 3.4 times as long).
//
// sqrt, fabs and ceil need nothing: IEEE arithmetic rounds them exactly
// everywhere.
#include <cmath>

#include "platform/web/exact_inverse_trig.h"
#include "platform/web/exact_sin_cos.h"

namespace {

bool reducible(double x) { return std::fabs(x) <= tqweir::web::kLargestReducedAngle; }

}  // namespace

extern "C" {

double __real_sin(double);
double __real_cos(double);
double __real_tan(double);
double __real_atan(double);
double __real_asin(double);
double __real_acos(double);

double __wrap_sin(double x) { return reducible(x) ? tqweir::web::exact_sin(x) : __real_sin(x); }

double __wrap_cos(double x) { return reducible(x) ? tqweir::web::exact_cos(x) : __real_cos(x); }

double __wrap_tan(double x) { return reducible(x) ? tqweir::web::exact_tan(x) : __real_tan(x); }

double __wrap_atan(double x) {
  return std::isfinite(x) ? tqweir::web::exact_atan(x, __real_atan(x)) : __real_atan(x);
}

double __wrap_asin(double x) {
  return std::fabs(x) <= 1.0 ? tqweir::web::exact_asin(x, __real_asin(x)) : __real_asin(x);
}

double __wrap_acos(double x) {
  return std::fabs(x) <= 1.0 ? tqweir::web::exact_acos(x, __real_acos(x)) : __real_acos(x);
}

}  // extern "C"
