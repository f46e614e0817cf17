#include "flood/steady_level.h"

#include "flood/number_cell.h"
#include "flood/route_stop.h"

namespace tqweir {
namespace flood {

double steady_level(Gate& gate, double air, const LevelTable* other, double inflow, double low,
                    double tolerance, const FixedOutflow& fixed) {
  auto excess = [&](double level) {
    const double leaf = gate.outflow(level, air);
    const double out = leaf + (other ? table_value(*other, level) : 0.0) +
                       (fixed ? fixed(level, leaf) : 0.0);
    return out - inflow;
  };
  if (excess(low) > 0.0) {
    throw RouteStop("the outflow at " + shown_number(low) + " m already exceeds the inflow " +
                    shown_number(inflow) + " m3/s");
  }
  double lo = low, hi = low + 1.0;
  for (int i = 0; excess(hi) <= 0.0; ++i) {
    if (i == 40) {
      throw RouteStop("no level up to " + shown_number(hi) + " m carries the inflow " +
                      shown_number(inflow) + " m3/s");
    }
    lo = hi;
    hi = low + 2.0 * (hi - low);
  }
  for (int i = 0; i < 200 && hi - lo > tolerance; ++i) {
    const double mid = lo + 0.5 * (hi - lo);
    if (mid <= lo || mid >= hi) break;
    (excess(mid) > 0.0 ? hi : lo) = mid;
  }
  return lo + 0.5 * (hi - lo);
}

}  // namespace flood
}  // namespace tqweir
