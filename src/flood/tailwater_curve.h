// The tailwater following the outflow: tailwater_curve read at the total
// outflow of a state (its discharge over the span and the other outlets'
// at its level), as operation/tailwater.h iterates each state's hd_nd on.
// The discharge over the leaf is the drowned one (flood/submerged_weir.h),
// solved together with the tailwater it raises, so that the water line of
// a state and the h2 of its discharge are the same level.
#ifndef TQWEIR_FLOOD_TAILWATER_CURVE_H_
#define TQWEIR_FLOOD_TAILWATER_CURVE_H_

#include "flood/gate.h"
#include "flood/level_table.h"
#include "flood/submerged_weir.h"
#include "operation/tailwater.h"

namespace tqweir {
namespace flood {

struct TailwaterCurve {
  LevelTable curve;                 // m (section frame) against m3/s
  bool has_other_outflow = false;
  LevelTable other_outflow;         // m3/s against m
};

// The leaf's discharge with free overfall `free` (m3/s over the span) at
// upstream `level` over `crest` (m), drowned by the tailwater of `t` at the
// total outflow: the leaf's drowned discharge and the other outlets' at
// `level`. Throws RouteStop for a level outside other_outflow or a total
// outflow outside the curve's.
DrownedFlow drowned_outflow(const TailwaterCurve& t, double free, double level, double crest);

// `state`'s outflow, its free overfall, drowned at its level and crest by
// its tailwater (outflow, tailwater_level, submergence); a state without
// one is left as it is. Throws as drowned_outflow.
void drown(GateState& state);

// The tailwater of the states at upstream `level` (m) over `span` (m): the
// curve at the total outflow with the state's discharge drowned. Its level
// throws as drowned_outflow.
operation::Tailwater tailwater_at(const TailwaterCurve& t, double level, double span);

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_TAILWATER_CURVE_H_
