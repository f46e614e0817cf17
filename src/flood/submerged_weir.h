// The leaf drowned by its tailwater. Once the water below the gate stands
// above the crest, the free overfall's law overstates the discharge; a
// weir whose free law is C h^n passes (Villemonte 1947)
//
//   Q = Qfree (1 - (h2/h1)^n)^0.385
//
// with h1 and h2 the upstream and the tailwater's heads over the crest. The
// section's law is C h^1.5, so n = 1.5. The tailwater itself is raised by
// the discharge it holds back, so Q is a fixed point of the law and the
// tailwater's rating.
#ifndef TQWEIR_FLOOD_SUBMERGED_WEIR_H_
#define TQWEIR_FLOOD_SUBMERGED_WEIR_H_

#include <functional>

namespace tqweir {
namespace flood {

// (1 - r^1.5)^0.385 for r = h2/h1: 1 for r <= 0 (the tailwater below the
// crest, free overfall), 0 for r >= 1 (the tailwater at or above the
// upstream level: no flow over the leaf; the model lets no water back
// into the pond).
double submergence_factor(double ratio);

struct DrownedFlow {
  double outflow = 0.0;    // m3/s over the leaf
  double tailwater = 0.0;  // m (section frame), at that outflow
  double factor = 1.0;     // outflow / the free overfall's; 1 with no head over the crest
};

// The discharge Q over a leaf whose free overfall is `free` (m3/s) at the
// upstream `level` over the `crest` (m, section frame), with the tailwater
// `tailwater(Q)` (m, section frame) that Q raises:
//
//   Q = free * submergence_factor((tailwater(Q) - crest) / (level - crest)).
//
// Q - free * factor is not positive at Q = 0 and not negative at Q = free,
// so a root lies between; it rises strictly with Q when the tailwater
// rises with the flow, and the root is then the only one. Found by TOMS 748
// bracketing to 1e-13 of `free` in at most 100 evaluations. Throws
// RouteStop when the bracket does not close or a value is not finite, and
// whatever `tailwater` throws. REQUIRES: free >= 0.
DrownedFlow drowned_flow(double free, double level, double crest,
                         const std::function<double(double)>& tailwater);

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_SUBMERGED_WEIR_H_
