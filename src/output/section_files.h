// The converged section as coordinate files: XYGate.csv (a stretch of floor
// and the leaf), XYStopper.csv (the stopper) and XYBalloon.csv (the closed
// bag outline), and the bag's cross-section area summed along the outline.
#ifndef TQWEIR_OUTPUT_SECTION_FILES_H_
#define TQWEIR_OUTPUT_SECTION_FILES_H_

#include <string>

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

struct SectionFiles {
  std::string gate;     // last_node + 2 rows
  std::string stopper;  // 2 rows
  std::string balloon;  // count1 + 300 + count3 + 2 rows (arc 1 needs count1 >= 2)
  double bag_area = 0.0;  // m^2, closing term included, sign from the outline's direction
  bool all_finite = true;  // every written coordinate and the area are finite
};

// Rows "%10.8lf,%10.8lf" with CR LF, from the last trial's state. The bag is
// sampled by membrane depth: arc 1 (leaf side, mirrored) from P1 up toward
// the top in ceil(300 theta1 / pi) steps, arc 2 from the top down in 300
// steps of 1/300, arc 3 (mirrored about the bottom) back up to the floor
// contact in ceil(300 theta2 / pi) steps, each end arc at most kMaxArcPoints.
// The area is a trapezoid sum over the written rows, except the top point
// of arc 2, which is written but left out of the sum.
// The outline's elliptic integrals come from `integrals`: the run's own,
// whose water-line integrals of the last trial are then evaluated already.
SectionFiles make_section_files(const RunState& state, EllipticIntegrals& integrals);

}  // namespace tqweir

#endif  // TQWEIR_OUTPUT_SECTION_FILES_H_
