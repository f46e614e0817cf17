// The support force of a finished run (summary field 11), recomputed from
// its files and inputs. The design method composes it of the forces at the
// hinge's corner: half the resultant of the membrane's two tensions there,
// turned by the angle between leaf and floor; the bag's horizontal push on
// its floor contact; the stopper's vertical pull; and the force of the tip
// moment, carried to the hinge along the last segment's slope. It is the
// method's combination, not the hinge reaction of the leaf's equilibrium.
// Each part is taken here from what the run wrote: the tensions and the
// floor contact's force from the summary, the stopper's line from
// XYStopper.csv, the tip and its segment from XYGate.csv.
#include <cmath>

#include "drawing/plane_distance.h"
#include "studies/self_check/run_geometry.h"

namespace tqweir {
namespace verify {

SelfCheck support_force_check(const CaseInput& input, const RunGeometry& g) {
  // The tension T (kN/m) pulls the membrane's clamp at the hinge along the
  // leaf line (theta1 above the horizontal) and along the floor line
  // (theta2 below it); half their resultant, times cos(theta1 - theta2).
  const double tension = g.summary_value(SummaryId::bag_tension);
  const double resultant_per_tension =
      drawing::plane_distance(std::cos(g.theta1) + std::cos(g.theta2), std::sin(g.theta1) - std::sin(g.theta2));
  const double pull_share = resultant_per_tension * std::cos(g.theta1 - g.theta2) / 2;
  const double pull = tension * pull_share;
  // The bag presses on the floor along the floor's normal, which leans
  // upstream by theta2.
  const double floor_push = g.summary_value(SummaryId::bag_force2) * std::sin(g.theta2);
  // The stopper pulls its attachment towards its foot; the vertical part
  // of its force (N/m, from the inputs).
  const Point& a = g.stopper[0];
  const Point& f = g.stopper[1];
  const double stopper_vertical =
      g.stopper_force * (a.y - f.y) / drawing::plane_distance(f.x - a.x, f.y - a.y) / 1000.0;
  // The tip moment as a force at the tip (over the tip's distance from the
  // hinge), times run over rise of the last segment.
  const Point& tip = g.leaf.back();
  const Point& before = g.leaf[g.leaf.size() - 2];
  const double tip_force = input.parameter.tip_moment / drawing::plane_distance(tip.x, tip.y);
  const double tip_part = tip_force == 0 ? 0.0 : tip_force * (tip.x - before.x) / (tip.y - before.y);
  // The three summary fields carry 3 decimals; the coordinates' 8 move the
  // stopper's and the tip's parts by far less than 1e-6 kN/m.
  const double tolerance = 0.5e-3 * (1 + std::fabs(pull_share) + std::fabs(std::sin(g.theta2))) + 1e-6;
  return make_check("support-force",
                    "support force (TQSpec 11) from the corner's tensions, the floor contact, the "
                    "stopper and the tip moment",
                    u8"支点反力 (TQSpec 11) = 隅角部の張力 + 床側接触力 + ストッパー + 先端モーメント", "kN/m",
                    pull - floor_push - stopper_vertical + tip_part,
                    g.summary_value(SummaryId::support_force), tolerance);
}

}  // namespace verify
}  // namespace tqweir
