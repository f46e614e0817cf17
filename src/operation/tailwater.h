// The downstream water standing at a level that follows the state's own
// discharge. The case takes the downstream water as hd_nd, a depth in bag
// heights above the bag's bottom, and both the bag height and the bottom's
// depth below the hinge depend on the state; so a tailwater level fixes
// hd_nd only through the solve: a fixed point per state.
#ifndef TQWEIR_OPERATION_TAILWATER_H_
#define TQWEIR_OPERATION_TAILWATER_H_

#include <functional>

#include "core/run_state.h"
#include "search/case_probe.h"

namespace tqweir {
namespace operation {

// The tailwater's level (m in the section frame, above the hinge) that a
// finished solve's discharge gives.
using TailwaterLevel = std::function<double(const search::CaseResult&)>;

struct Tailwater {
  TailwaterLevel level;       // empty: the case's hd_nd holds
  double tolerance = 1e-4;    // m between the water line solved and the tailwater
  int max_solves = 30;
};

// The solve of `input` with its hd_nd the fixed point of `tailwater`:
// starting from input.parameter.hd_nd, each solve moves hd_nd by the miss
// of its water line (hd_rel, m above the hinge) in its own bag heights,
// until the miss is within the tolerance, or the tailwater lies below the
// bag's bottom with hd_nd at its floor (1e-05). input.parameter.hd_nd
// ends at the value solved (the next state's start). A solve that stops
// is returned as it is. Throws text::InputError when max_solves pass
// without settling. Without a tailwater level, the plain solve.
search::CaseResult solve_with_tailwater(CaseInput& input, const Tailwater& tailwater,
                                        int* solves = nullptr);

}  // namespace operation
}  // namespace tqweir

#endif  // TQWEIR_OPERATION_TAILWATER_H_
