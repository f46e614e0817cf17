// The bisection shared by the membrane kernels and the overflow depth.
//
// A fixed bracket [lo, hi]; mid = (hi + lo) / 2; a negative product of the
// residuals at lo and mid moves hi to mid, anything else (a zero or
// not-a-number product included) moves lo to mid; the search ends as soon
// as the residual at mid is small enough and returns mid. There is no test
// on the bracket's width: results are multiples of powers of 1/2 and depend
// on exactly this sequence of midpoints.
//
// The one addition is a guard against a search that can never end: when the
// residual test fails and the midpoint equalled an end of its bracket, the
// bracket can shrink no more and every later iteration would repeat this
// one. The search then throws StopRun with `on_stall`. A search that ends
// by its residual test is unaffected, bit for bit.
#ifndef TQWEIR_MEMBRANE_KERNEL_BISECTION_H_
#define TQWEIR_MEMBRANE_KERNEL_BISECTION_H_

#include <cmath>

#include "core/stop.h"

namespace tqweir {

// Residual tolerance of every kernel search.
constexpr double kKernelTolerance = 5e-05;

// How a not-a-number residual at mid is treated by the end test.
enum class NanResidual {
  keeps_searching,  // ends when |r(mid)| <= tol: NaN never ends the search
  ends_search,      // goes on while |r(mid)| > tol: NaN ends the search
};

// REQUIRES: residual is a pure function of one double.
template <typename Residual>
double kernel_bisect(double lo, double hi, const Residual& residual,
                     NanResidual nan_rule, Message on_stall) {
  for (;;) {
    const double mid = (hi + lo) / 2;
    const double r_lo = residual(lo);
    const double r_mid = residual(mid);
    const bool stalled = (mid == lo || mid == hi);
    if (r_lo * r_mid < 0) {
      hi = mid;
    } else {
      lo = mid;
    }
    const double size = std::fabs(r_mid);
    const bool done = nan_rule == NanResidual::keeps_searching
                          ? size <= kKernelTolerance
                          : !(size > kKernelTolerance);
    if (done) return mid;
    if (stalled) throw StopRun(on_stall);
  }
}

}  // namespace tqweir

#endif  // TQWEIR_MEMBRANE_KERNEL_BISECTION_H_
