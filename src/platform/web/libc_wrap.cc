// WebAssembly builds only: the C library functions whose results must be
// glibc's, routed to the versions of this folder. The link step wraps each
// name (-Wl,--wrap=sin ...), so every call to sin reaches __wrap_sin, and
// __real_sin is the C library's own, kept for what the exact versions leave
// to it (huge or non-finite arguments, other exponents) and as the first
// guess of the inverse functions.
//
// sqrt, fabs and ceil need nothing: WebAssembly has them as exact
// instructions. printf's number formatting agrees with glibc's (the stdio
// probe checks it); sscanf, which decides what an input file holds, does
// not, and is wrapped too.
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "platform/web/glibc_scan.h"

#include "platform/web/exact_inverse_trig.h"
#include "platform/web/exact_power.h"
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
double __real_pow(double, double);

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

double __wrap_pow(double x, double y) {
  double result;
  return tqweir::web::exact_power(x, y, &result) ? result : __real_pow(x, y);
}

int __wrap_sscanf(const char* input, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int result = tqweir::web::glibc_scan_handles(format)
                         ? tqweir::web::glibc_vsscanf(input, format, args)
                         : std::vsscanf(input, format, args);
  va_end(args);
  return result;
}

}  // extern "C"
