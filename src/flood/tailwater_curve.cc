#include "flood/tailwater_curve.h"

#include "flood/number_cell.h"
#include "flood/route_stop.h"

namespace tqweir {
namespace flood {

double total_outflow(const TailwaterCurve& t, const search::CaseResult& r, double level,
                     double span) {
  const double gate =
      r.values[static_cast<std::size_t>(summary_index(SummaryId::overflow_discharge))] * span;
  return t.has_other_outflow ? gate + table_value(t.other_outflow, level) : gate;
}

operation::Tailwater tailwater_at(const TailwaterCurve& t, double level, double span) {
  operation::Tailwater tailwater;
  // The curve is copied into the function: a path solved later must not
  // depend on the caller's table staying alive.
  tailwater.level = [t, level, span](const search::CaseResult& r) {
    const double q = total_outflow(t, r, level, span);
    const std::vector<double>& flows = t.curve.levels;
    if (!(q >= flows.front() && q <= flows.back())) {
      throw RouteStop("the outflow " + shown_number(q) + " m3/s at level " + shown_number(level) +
                      " m is outside tailwater_curve (" + shown_number(flows.front()) + " to " +
                      shown_number(flows.back()) + " m3/s)");
    }
    return table_value(t.curve, q);
  };
  return tailwater;
}

}  // namespace flood
}  // namespace tqweir
