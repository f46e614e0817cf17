// The pond's level before the flood: the level at which the outflow
// carries the first inflow away, so that the route starts in balance.
#ifndef TQWEIR_FLOOD_STEADY_LEVEL_H_
#define TQWEIR_FLOOD_STEADY_LEVEL_H_

#include "flood/gate.h"
#include "flood/level_table.h"
#include "flood/route.h"

namespace tqweir {
namespace flood {

// The level (m) between `low` and the first of low + 1, low + 2, low + 4,
// ... (at most 40 doublings) where the outflow over the leaf with `air`
// plus `other` (m3/s against level, or nullptr) and `fixed` (the fixed
// crests, when given) reaches `inflow` (m3/s),
// by bisection to `tolerance` (m). The outflow rises with the level. With
// no inflow the pond stands at the highest level without outflow: the
// crest. Throws RouteStop when the outflow at `low` already exceeds the
// inflow, when no level up to the doublings' end carries it, or as the
// gate throws.
constexpr double kSteadyTolerance = 1e-9;  // m

double steady_level(Gate& gate, double air, const LevelTable* other, double inflow, double low,
                    double tolerance = kSteadyTolerance, const FixedOutflow& fixed = FixedOutflow());

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_STEADY_LEVEL_H_
