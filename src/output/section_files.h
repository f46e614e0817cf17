// The converged section as coordinate files: XYGate.csv (a stretch of floor
// and the leaf), XYStopper.csv (the stopper) and XYBalloon.csv (the closed
// bag outline), printed from the section's polylines.
#ifndef TQWEIR_OUTPUT_SECTION_FILES_H_
#define TQWEIR_OUTPUT_SECTION_FILES_H_

#include <string>

#include "core/run_state.h"
#include "membrane/elliptic_integrals.h"
#include "output/section_polylines.h"

namespace tqweir {

struct SectionFiles {
  std::string gate;     // last_node + 2 rows
  std::string stopper;  // 2 rows
  std::string balloon;  // count1 + 300 + count3 + 2 rows (arc 1 needs count1 >= 2)
  double bag_area = 0.0;  // m^2, the polylines' (see SectionPolylines)
  bool all_finite = true;  // every written coordinate and the area are finite
};

// Rows "%10.8lf,%10.8lf" with CR LF: the floor point and the leaf's nodes,
// the stopper's two ends, the bag outline's points.
SectionFiles section_files(const SectionPolylines& section);

// The files of the last trial's state: section_files(make_section_polylines).
SectionFiles make_section_files(const RunState& state, EllipticIntegrals& integrals);

}  // namespace tqweir

#endif  // TQWEIR_OUTPUT_SECTION_FILES_H_
