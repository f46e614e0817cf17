// The tailwater following the outflow: tailwater_curve read at the total
// outflow of a state (its discharge over the span and the other outlets'
// at its level), as operation/tailwater.h iterates each state's hd_nd on.
#ifndef TQWEIR_FLOOD_TAILWATER_CURVE_H_
#define TQWEIR_FLOOD_TAILWATER_CURVE_H_

#include "flood/level_table.h"
#include "operation/tailwater.h"

namespace tqweir {
namespace flood {

struct TailwaterCurve {
  LevelTable curve;                 // m (section frame) against m3/s
  bool has_other_outflow = false;
  LevelTable other_outflow;         // m3/s against m
};

// The total outflow (m3/s) of a solve at `level` (m) over `span` (m).
double total_outflow(const TailwaterCurve& t, const search::CaseResult& r, double level,
                     double span);

// The tailwater of the states at upstream `level` (m) over `span` (m).
// Its level throws RouteStop for an outflow outside the curve's.
operation::Tailwater tailwater_at(const TailwaterCurve& t, double level, double span);

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_TAILWATER_CURVE_H_
