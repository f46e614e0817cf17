// The converged section as polylines in the section frame (m, origin at the
// hinge, y up): the floor point and the leaf, the stopper, and the closed
// bag outline with the bag's cross-section area summed along it. The
// coordinate files print exactly these points.
#ifndef TQWEIR_OUTPUT_SECTION_POLYLINES_H_
#define TQWEIR_OUTPUT_SECTION_POLYLINES_H_

#include <vector>

#include "core/run_state.h"
#include "membrane/elliptic_integrals.h"

namespace tqweir {

// Most points an end arc of the bag outline is drawn with. Any leaf or
// floor angle a weir can have is below 180 degrees and needs at most 300;
// up to 1800 degrees the count is exact. A wilder angle that still balances
// (a floor angle of 517046 degrees does) would otherwise ask for up to
// millions of points, each costing four 1000-panel elliptic integrals in
// the elastica regime: seconds of work and tens of megabytes for nothing.
// Capping only thins the sampling of the same arc.
constexpr int kMaxArcPoints = 3000;

// A point of the section frame (m).
struct SectionPoint {
  double x = 0.0;
  double y = 0.0;
};

struct SectionPolylines {
  SectionPoint floor_point;         // on the floor line, 1.2 base_distance downstream
  std::vector<SectionPoint> leaf;   // the nodes from the hinge to the tip
  SectionPoint stopper_anchor;      // on the leaf
  SectionPoint stopper_foot;        // on the floor
  // The closed outline from the hinge and back to it: count1 + 300 +
  // count3 + 2 points (arc 1 needs count1 >= 2).
  std::vector<SectionPoint> bag;
  double bag_area = 0.0;   // m^2, closing term included, sign from the outline's direction
  bool all_finite = true;  // every point and the area are finite
};

// From the last trial's state. The bag is sampled by membrane depth: arc 1
// (leaf side, mirrored) from P1 up toward the top in ceil(300 theta1 / pi)
// steps, arc 2 from the top down in 300 steps of 1/300, arc 3 (mirrored
// about the bottom) back up to the floor contact in ceil(300 theta2 / pi)
// steps, each end arc at most kMaxArcPoints. The area is a trapezoid sum
// over the outline's points, except the top point of arc 2, which is drawn
// but left out of the sum. The outline's elliptic integrals come from
// `integrals`: the run's own, whose water-line integrals of the last trial
// are then evaluated already.
SectionPolylines make_section_polylines(const RunState& state, EllipticIntegrals& integrals);

}  // namespace tqweir

#endif  // TQWEIR_OUTPUT_SECTION_POLYLINES_H_
