// A finished run's files read back as geometry, for the self-checks.
#ifndef TQWEIR_STUDIES_SELF_CHECK_RUN_GEOMETRY_H_
#define TQWEIR_STUDIES_SELF_CHECK_RUN_GEOMETRY_H_

#include <string>
#include <vector>

#include "core/run_state.h"
#include "core/summary_fields.h"
#include "text/run_results.h"
#include "studies/self_check/self_check.h"

namespace tqweir {
namespace verify {

using text::Point;
using text::SurfaceRow;

struct RunGeometry {
  bool ok = false;             // every file read as the run writes it
  std::vector<Point> leaf;     // XYGate.csv without its floor point
  std::vector<Point> stopper;  // attachment, foot
  std::vector<Point> outline;  // XYBalloon.csv, closing points included
  std::vector<SurfaceRow> surface;
  text::PrintedSummary summary;  // the 27 fields as printed
  // Where the outline's three arcs lie (indices into `outline`).
  int arc1_begin = 0, arc2_begin = 0, arc3_begin = 0, arc3_end = 0;
  double theta1 = 0.0, theta2 = 0.0;  // rad, as the run converts them
  double hd_nd = 0.0;                 // after its floor
  double stopper_force = 0.0;         // N per m of span
  double bag_height = 0.0;            // m, from the outline's middle arc
  // The bag's contact on the leaf (m), hinge to P1: the outline's first
  // leaf-side row; below a leaf angle of 0.6 degrees the drawing has no
  // leaf-side arc and the summary's contact length stands in, with its
  // rounding (0 for the drawn one).
  double leaf_contact = 0.0;
  double leaf_contact_rounding = 0.0;
  double summary_value(SummaryId id) const;
};

RunGeometry read_run_geometry(const CaseInput& input, const RunTexts& files);

// Length of a polyline.
double polyline_length(const std::vector<Point>& points, std::size_t begin, std::size_t end);

SelfCheck make_check(const char* id, const char* en, const char* ja, const char* unit,
                     double value, double expected, double tolerance);

// The moment balance about the hinge, recomputed (moment_check.cc).
// With the design method's stated conventions (the lever of the stopper is
// the anchor distance, the weight's lever lies on the first segment's
// direction, water below the leaf counts on whole segments ending above the
// bag's contact), which the calculation's balance uses.
SelfCheck moment_balance_check(const CaseInput& input, const RunGeometry& g);

// How far those conventions move the balance from plain statics (the
// difference of the two sums, over the bag's moment).
double statics_gap(const CaseInput& input, const RunGeometry& g);

// The force of the hinge on the leaf (N/m) from the leaf's equilibrium of
// forces with the plain statics of statics_gap: the water and the weight
// scaled by the width factor as in the balance, the bag's pressure over its
// contact, the stopper's pull along its line.
Point hinge_reaction(const CaseInput& input, const RunGeometry& g);

// The summary's support force (kN/m) against the design method's
// composition of it, recomputed from the files (support_check.cc). Not
// among self_checks(): the calculation report does not show it.
SelfCheck support_force_check(const CaseInput& input, const RunGeometry& g);

}  // namespace verify
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_SELF_CHECK_RUN_GEOMETRY_H_
