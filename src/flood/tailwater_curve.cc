#include "flood/tailwater_curve.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include <boost/math/tools/toms748_solve.hpp>

#include "flood/leaf_coefficient.h"
#include "flood/number_cell.h"
#include "flood/route_stop.h"

namespace tqweir {
namespace flood {
namespace {

double value_of(const search::CaseResult& r, SummaryId id) {
  return r.values[static_cast<std::size_t>(summary_index(id))];
}

// The curve at `flow` (m3/s), its end values beyond its ends.
double curve_at(const TailwaterCurve& t, double flow) {
  const std::vector<double>& flows = t.curve.levels;
  return table_value(t.curve, std::min(std::max(flow, flows.front()), flows.back()));
}

constexpr double kTailwaterTolerance = 1e-12;  // m
constexpr std::uintmax_t kMaxEvaluations = 100;

}  // namespace

WeirTailwater weir_tailwater(const TailwaterCurve& t, double level, double gates) {
  const double other = t.has_other_outflow ? table_value(t.other_outflow, level) : 0.0;
  WeirTailwater w;
  if (t.crests.empty()) {
    w.level = curve_at(t, gates + other);
    return w;
  }
  auto miss = [&](double tailwater) {
    return tailwater - curve_at(t, gates + other + crests_outflow(t.crests, level, &tailwater));
  };
  const auto ends = std::minmax_element(t.curve.values.begin(), t.curve.values.end());
  double lo = *ends.first, hi = *ends.second;
  const double at_lo = miss(lo), at_hi = miss(hi);
  if (at_lo == 0.0) {
    hi = lo;
  } else if (at_hi == 0.0) {
    lo = hi;
  } else {
    std::uintmax_t evaluations = kMaxEvaluations;
    const auto closed = [](double a, double b) { return std::fabs(b - a) <= kTailwaterTolerance; };
    const std::pair<double, double> bracket = boost::math::tools::toms748_solve(
        miss, lo, hi, at_lo, at_hi, closed, evaluations);
    if (!closed(bracket.first, bracket.second)) {
      throw RouteStop("the tailwater beside the fixed crest at level " + shown_number(level) +
                      " m did not settle in " + std::to_string(kMaxEvaluations) + " evaluations");
    }
    lo = bracket.first;
    hi = bracket.second;
  }
  w.level = lo + 0.5 * (hi - lo);
  w.crests = crests_outflow(t.crests, level, &w.level);
  return w;
}

double fixed_crests_outflow(const std::vector<FixedCrest>& crests, const TailwaterCurve* t,
                            double level, double gates) {
  if (crests.empty()) return 0.0;
  if (t == nullptr) return crests_outflow(crests, level, nullptr);
  return weir_tailwater(*t, level, gates).crests;
}

DrownedFlow drowned_outflow(const TailwaterCurve& t, double free, double level, double crest) {
  const double other = t.has_other_outflow ? table_value(t.other_outflow, level) : 0.0;
  const std::vector<double>& flows = t.curve.levels;
  // The search may try flows past the curve's ends; the curve's end values
  // stand there, and only the flow it settles on must lie in the curve.
  const DrownedFlow d = drowned_flow(
      free, level, crest, [&](double q) { return weir_tailwater(t, level, q).level; });
  const double crests = t.crests.empty() ? 0.0 : weir_tailwater(t, level, d.outflow).crests;
  const double total = d.outflow + other + crests;
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

operation::Tailwater tailwater_at(const TailwaterCurve& t, double level, double span,
                                  const LevelTable* coefficient) {
  operation::Tailwater tailwater;
  std::shared_ptr<const LevelTable> curve;
  if (coefficient) curve = std::make_shared<const LevelTable>(*coefficient);
  // The curve is copied into the function: a path solved later must not
  // depend on the caller's table staying alive. At a held angle or tension
  // the crest and the free discharge do not move with hd_nd, so the drowned
  // discharge is the same at every solve of the state's fixed point.
  tailwater.level = [t, level, span, curve](const search::CaseResult& r) {
    SummaryValues values = r.values;
    if (curve) {
      double& angle = values[static_cast<std::size_t>(summary_index(SummaryId::theta1_deg))];
      angle = std::min(std::max(angle, curve->levels.front()), curve->levels.back());
    }
    return drowned_outflow(t, leaf_discharge_per_metre(values, curve.get()) * span, level,
                           value_of(r, SummaryId::crest_height))
        .tailwater;
  };
  return tailwater;
}

}  // namespace flood
}  // namespace tqweir
