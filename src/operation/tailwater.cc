#include "operation/tailwater.h"

#include <cmath>
#include <string>

#include "text/input_error.h"
#include "text/number_text.h"

namespace tqweir {
namespace operation {
namespace {

// The core floors hd_nd here: below it the bag stands dry.
constexpr double kDryDepth = 1e-05;

double value_of(const search::CaseResult& r, SummaryId id) {
  return r.values[static_cast<std::size_t>(summary_index(id))];
}

}  // namespace

search::CaseResult solve_with_tailwater(CaseInput& input, const Tailwater& tailwater,
                                        int* solves) {
  int count = 0;
  search::CaseResult r;
  double miss = 0.0;
  while (count < (tailwater.level ? tailwater.max_solves : 1)) {
    r = search::solve_unrounded(input);
    ++count;
    if (!tailwater.level || !r.finished) break;
    // hd_rel = hd_nd h - rise, with h the bag height and rise the hinge's
    // height above the bag's bottom; both move little with hd_nd, so the
    // step miss / h is close to Newton's and settles in a few solves.
    miss = tailwater.level(r) - value_of(r, SummaryId::hd_rel);
    const bool dry = input.parameter.hd_nd <= kDryDepth && miss <= 0.0;
    if (std::fabs(miss) <= tailwater.tolerance || dry) {
      if (solves) *solves += count;
      return r;
    }
    const double next = input.parameter.hd_nd + miss / value_of(r, SummaryId::bag_height);
    if (!std::isfinite(next)) break;
    input.parameter.hd_nd = next > kDryDepth ? next : kDryDepth;
  }
  if (solves) *solves += count;
  if (!tailwater.level || !r.finished) return r;
  throw text::InputError("the tailwater at level " + text::exact_text(input.parameter.upstream_level) +
                         " m, leaf angle " + text::exact_text(input.parameter.theta1_deg) +
                         " degree: hd_nd did not settle within " +
                         std::to_string(tailwater.max_solves) + " solves (last miss " +
                         text::exact_text(miss) + " m)");
}

}  // namespace operation
}  // namespace tqweir
