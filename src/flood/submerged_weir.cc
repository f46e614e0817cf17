#include "flood/submerged_weir.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

#include <boost/math/tools/toms748_solve.hpp>

#include "flood/number_cell.h"
#include "flood/route_stop.h"

namespace tqweir {
namespace flood {
namespace {

// The section's weir law C h^1.5, and Villemonte's fitted exponent.
constexpr double kWeirExponent = 1.5;
constexpr double kVillemonteExponent = 0.385;

constexpr double kRelativeTolerance = 1e-13;
constexpr std::uintmax_t kMaxEvaluations = 100;

}  // namespace

double submergence_factor(double ratio) {
  if (ratio <= 0.0) return 1.0;
  if (ratio >= 1.0) return 0.0;
  return std::pow(1.0 - std::pow(ratio, kWeirExponent), kVillemonteExponent);
}

DrownedFlow drowned_flow(double free, double level, double crest,
                         const std::function<double(double)>& tailwater) {
  const double h1 = level - crest;
  auto factor_at = [&](double q) {
    return h1 > 0.0 ? submergence_factor((tailwater(q) - crest) / h1) : 1.0;
  };
  DrownedFlow d;
  if (free > 0.0) {
    // The factor falls as the flow raises the tailwater, so the miss rises
    // with the flow: not positive at no flow, not negative at the free one.
    auto miss = [&](double q) { return q - free * factor_at(q); };
    const double low = miss(0.0), high = miss(free);
    if (!std::isfinite(low) || !std::isfinite(high)) {
      throw RouteStop("the drowned discharge at level " + shown_number(level) +
                      " m is not finite");
    }
    if (low == 0.0) {
      d.outflow = 0.0;
    } else if (high == 0.0) {
      d.outflow = free;
    } else {
      std::uintmax_t evaluations = kMaxEvaluations;
      const auto closed = [free](double a, double b) {
        return std::fabs(b - a) <= kRelativeTolerance * free;
      };
      const std::pair<double, double> bracket = boost::math::tools::toms748_solve(
          miss, 0.0, free, low, high, closed, evaluations);
      if (!closed(bracket.first, bracket.second)) {
        throw RouteStop("the drowned discharge at level " + shown_number(level) +
                        " m did not settle in " + std::to_string(kMaxEvaluations) +
                        " evaluations");
      }
      d.outflow = bracket.first + 0.5 * (bracket.second - bracket.first);
    }
    d.factor = d.outflow / free;
  }
  d.tailwater = tailwater(d.outflow);
  if (!(free > 0.0)) d.factor = factor_at(0.0);
  return d;
}

}  // namespace flood
}  // namespace tqweir
