// The tailwater following the outflow: tailwater_curve read at the total
// outflow of a state (its discharge over the span and the other outlets'
// at its level), as operation/tailwater.h iterates each state's hd_nd on.
// The discharge over the leaf is the drowned one (flood/submerged_weir.h),
// solved together with the tailwater it raises, so that the water line of
// a state and the h2 of its discharge are the same level.
#ifndef TQWEIR_FLOOD_TAILWATER_CURVE_H_
#define TQWEIR_FLOOD_TAILWATER_CURVE_H_

#include <vector>

#include "flood/fixed_crest.h"
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
  // The weir's fixed crests beside the gates, drowned by the same tailwater.
  std::vector<FixedCrest> crests;
};

// The tailwater and the fixed crests' drowned discharge when `gates` m3/s
// pass over the leaves (and other_outflow at `level`) at upstream `level`.
struct WeirTailwater {
  double level = 0.0;   // m, the section frame
  double crests = 0.0;  // m3/s over the fixed crests
};

// The tailwater T stands where the curve puts the total outflow, and the
// crests' part of that falls as T rises: T - curve(gates + other +
// crests(T)) rises with T, and is bracketed by the curve's lowest and
// highest levels, so TOMS 748 finds it (to 1e-12 m, at most 100
// evaluations). Without crests, the curve at gates + other. Flows past the
// curve's ends read its end values (a search may try them; the flow
// settled on is checked by drowned_outflow). Throws RouteStop for a level
// outside other_outflow or a bracket that does not close.
WeirTailwater weir_tailwater(const TailwaterCurve& t, double level, double gates);

// The fixed crests' discharge (m3/s) at upstream `level` with `gates`
// m3/s over the leaves: free overfall without `t`, else drowned by its
// tailwater (weir_tailwater).
double fixed_crests_outflow(const std::vector<FixedCrest>& crests, const TailwaterCurve* t,
                            double level, double gates);

// The leaf's discharge with free overfall `free` (m3/s over the span) at
// upstream `level` over `crest` (m), drowned by the tailwater of `t` at the
// total outflow: the leaf's drowned discharge, the fixed crests' and the
// other outlets' at `level`. Throws RouteStop for a level outside other_outflow or a total
// outflow outside the curve's.
DrownedFlow drowned_outflow(const TailwaterCurve& t, double free, double level, double crest);

// `state`'s outflow, its free overfall, drowned at its level and crest by
// its tailwater (outflow, tailwater_level, submergence); a state without
// one is left as it is. Throws as drowned_outflow.
void drown(GateState& state);

// The tailwater of the states at upstream `level` (m) over `span` (m): the
// curve at the total outflow with the state's discharge drowned. Its level
// throws as drowned_outflow.
// With `coefficient` (not null), the leaf's discharge at the coefficient
// that curve gives at the state's angle, its ends standing beyond them:
// the route refuses a discharge outside the curve, the hd_nd of a state
// only has to be found.
operation::Tailwater tailwater_at(const TailwaterCurve& t, double level, double span,
                                  const LevelTable* coefficient = nullptr);

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_TAILWATER_CURVE_H_
