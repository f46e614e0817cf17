// A design flood's shape carried to another peak.
#ifndef TQWEIR_RISK_SCALED_FLOOD_H_
#define TQWEIR_RISK_SCALED_FLOOD_H_

#include "flood/hydrograph.h"

namespace tqweir {
namespace risk {

// `shape` scaled about its first row's flow (the base) so that its peak
// above the base is `peak` (m3/s) above the base: q' = base + (q - base) x
// (peak - base) / (shape's peak - base), each row's time kept. A peak at or
// below the base gives the base flow throughout (a flood smaller than the
// base is no flood of this shape, and the base is the larger); a row that
// would fall below 0 (a shape dipping below its base) is 0.
// REQUIRES: the shape's peak above its first row's flow.
flood::Hydrograph scaled_flood(const flood::Hydrograph& shape, double peak);

// The largest flow of `h` (m3/s).
double peak_flow(const flood::Hydrograph& h);

}  // namespace risk
}  // namespace tqweir

#endif  // TQWEIR_RISK_SCALED_FLOOD_H_
