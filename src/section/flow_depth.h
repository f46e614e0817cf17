// Depth of the water overflowing the leaf (surface model 3).
#ifndef TQWEIR_SECTION_FLOW_DEPTH_H_
#define TQWEIR_SECTION_FLOW_DEPTH_H_

namespace tqweir {

// Depth d at a point of the leaf (bed elevation y, abscissa x) from the
// specific energy of critical flow over the crest, without losses:
// (Lu - y) = d + (8 h^3 / 27) / (2 d^2), h = Lu - c. Within 1 mm of the
// crest height the critical depth (2/3) h; downstream of the crest (x > xc)
// the supercritical root, otherwise the subcritical one. Found by the kernel
// bisection, which goes on while |F| > 5e-05, so a not-a-number residual
// ends it (water exactly at the crest gives depth 0 downstream).
// Throws StopRun(flow_depth_not_converged) when the bracket holds no root.
double flow_depth(double Lu, double c, double y, double x, double xc);

}  // namespace tqweir

#endif  // TQWEIR_SECTION_FLOW_DEPTH_H_
