#include "flood/tailwater_curve.h"

#include <algorithm>

#include "flood/number_cell.h"
#include "flood/route_stop.h"

namespace tqweir {
namespace flood {
namespace {

double value_of(const search::CaseResult& r, SummaryId id) {
  return r.values[static_cast<std::size_t>(summary_index(id))];
}

}  // namespace

DrownedFlow drowned_outflow(const TailwaterCurve& t, double free, double level, double crest) {
  const double other = t.has_other_outflow ? table_value(t.other_outflow, level) : 0.0;
  const std::vector<double>& flows = t.curve.levels;
  // The search may try flows past the curve's ends; the curve's end values
  // stand there, and only the flow it settles on must lie in the curve.
  const DrownedFlow d = drowned_flow(free, level, crest, [&](double q) {
    return table_value(t.curve, std::min(std::max(q + other, flows.front()), flows.back()));
  });
  const double total = d.outflow + other;
  if (!(total >= flows.front() && total <= flows.back())) {
    throw RouteStop("the outflow " + shown_number(total) + " m3/s at level " + shown_number(level) +
                    " m is outside tailwater_curve (" + shown_number(flows.front()) + " to " +
                    shown_number(flows.back()) + " m3/s)");
  }
  return d;
}

void drown(GateState& state) {
  if (!state.tailwater) return;
  const DrownedFlow d = drowned_outflow(*state.tailwater, state.outflow, state.level,
                                        state.values[static_cast<std::size_t>(
                                            summary_index(SummaryId::crest_height))]);
  state.outflow = d.outflow;
  state.tailwater_level = d.tailwater;
  state.submergence = d.factor;
}

operation::Tailwater tailwater_at(const TailwaterCurve& t, double level, double span) {
  operation::Tailwater tailwater;
  // The curve is copied into the function: a path solved later must not
  // depend on the caller's table staying alive. At a held angle or tension
  // the crest and the free discharge do not move with hd_nd, so the drowned
  // discharge is the same at every solve of the state's fixed point.
  tailwater.level = [t, level, span](const search::CaseResult& r) {
    return drowned_outflow(t, value_of(r, SummaryId::overflow_discharge) * span, level,
                           value_of(r, SummaryId::crest_height))
        .tailwater;
  };
  return tailwater;
}

}  // namespace flood
}  // namespace tqweir
