// Where a function of time crosses zero inside one step of the integration,
// found on the step's dense output by bisection.
#ifndef TQWEIR_FLOOD_CROSSING_H_
#define TQWEIR_FLOOD_CROSSING_H_

#include <functional>

namespace tqweir {
namespace flood {

// The end of a bracket [a, b] no wider than `tolerance` (s) on whose ends
// `f` lies on either side of zero: f < 0 at its start, f >= 0 at the
// returned end. Bisection, because the dense output is only piecewise
// smooth in t across the gate's regimes; at most `max_halvings` halvings.
// REQUIRES: a < b, f(a) < 0 <= f(b).
double crossing_time(const std::function<double(double)>& f, double a, double b,
                     double tolerance, int max_halvings = 200);

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_CROSSING_H_
