#include "flood/crossing.h"

namespace tqweir {
namespace flood {

double crossing_time(const std::function<double(double)>& f, double a, double b,
                     double tolerance, int max_halvings) {
  for (int i = 0; i < max_halvings && b - a > tolerance; ++i) {
    const double mid = a + 0.5 * (b - a);
    if (mid <= a || mid >= b) break;  // no double between the ends
    if (f(mid) < 0.0) {
      a = mid;
    } else {
      b = mid;
    }
  }
  return b;
}

}  // namespace flood
}  // namespace tqweir
