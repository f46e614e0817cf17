// Depth at which the two support lines of the bag cross (the hinge).
#ifndef TQWEIR_MEMBRANE_LINES_MEET_H_
#define TQWEIR_MEMBRANE_LINES_MEET_H_

namespace tqweir {

// Membrane frame (bag heights, depth y downward). Line 1 passes (x1, y1)
// with x = x1 + (y1 - y) / tan(angle1); line 2 passes (x2, y2) with
// x = x2 - (y2 - y) / tan(angle2). Returns the crossing depth in [0, 1],
// found by the kernel bisection on the horizontal gap between the lines.
// A horizontal second line (tan(angle2) == 0, a flat floor) meets line 1 at
// its own depth y2, returned at once.
// Throws StopRun(membrane_not_converged) when [0, 1] holds no sign change.
double lines_meet_depth(double x1, double y1, double x2, double y2,
                        double angle1, double angle2);

}  // namespace tqweir

#endif  // TQWEIR_MEMBRANE_LINES_MEET_H_
