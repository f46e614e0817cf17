#include "platform/web/exact_power.h"

#include <cmath>

#include "platform/web/double_double.h"

namespace tqweir {
namespace web {

bool exact_power(double x, double y, double* result) {
  const double size = std::fabs(x);
  if (!(size >= 0x1p-300 && size <= 0x1p300)) return false;
  if (y == 2.0) {
    *result = x * x;  // one IEEE product: already correctly rounded
    return true;
  }
  if (y == 3.0) {
    *result = rounded(two_prod(x, x) * x);
    return true;
  }
  if (y == 1.5 && x > 0.0) {
    // sqrt(x) as s + (x - s^2) / (2s), one Newton step from the rounded root.
    const double s = std::sqrt(x);
    const double s_lo = -rounded(two_prod(s, s) + -x) / (2.0 * s);
    *result = rounded(two_prod(x, s) + x * s_lo);
    return true;
  }
  return false;
}

}  // namespace web
}  // namespace tqweir
