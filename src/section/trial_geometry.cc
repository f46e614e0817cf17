#include "section/trial_geometry.h"

#include <cmath>

#include "driver/constants.h"
#include "driver/stop.h"
#include "membrane/abscissa.h"
#include "membrane/arc_length.h"
#include "membrane/contact.h"
#include "membrane/lines_meet.h"
#include "membrane/tension.h"

namespace tqweir {
namespace {

// Depth where the membrane leaves a support. The kind for a point at or
// below the water line is tried first; when it lands strictly above the
// water line, the arc's own relation gives the depth instead.
double support_depth(int below_kind, double alpha, double beta, double angle,
                     double tension) {
  double s = contact_depth(below_kind, alpha, beta, angle, tension);
  if (beta < 1.0 && s < 1.0 - beta) {
    s = contact_depth(below_kind + 1, alpha, beta, angle, tension);
  }
  return s;
}

}  // namespace

void evaluate_trial_geometry(RunState& state, double alpha) {
  TrialState& t = state.trial;
  const double beta = state.derived.hd_nd;
  const double theta1 = state.derived.theta1;
  const double theta2 = state.derived.theta2;

  t.TB = solve_tension(alpha, beta);
  if (t.TB < 0.0) throw StopRun(Message::tension_negative);

  t.s1 = support_depth(1, alpha, beta, theta1, t.TB);
  t.s2 = support_depth(3, alpha, beta, theta2, t.TB);

  t.s_bottom = 0.99999;
  t.u1 = membrane_abscissa(t.s1, alpha, beta, t.TB);
  t.u2 = membrane_abscissa(t.s2, alpha, beta, t.TB);
  t.u_bottom = membrane_abscissa(t.s_bottom, alpha, beta, t.TB);

  // The leaf side of the bag is drawn mirrored (negative u). A floor contact
  // beyond the bag's bottom lies on the part that turns back after it.
  t.p1_x = -t.u1;
  t.p1_y = t.s1;
  t.p2_x = t.u_bottom - std::fabs(t.u_bottom - t.u2);
  t.p2_y = t.s2;

  t.p3_y = lines_meet_depth(t.p1_x, t.p1_y, t.p2_x, t.p2_y, theta1, theta2);
  t.p3_x = t.p1_x - (t.p1_y - t.p3_y) / std::tan(-theta1);

  t.chord1 = std::sqrt((t.p3_x - t.p1_x) * (t.p3_x - t.p1_x) +
                       (t.p3_y - t.p1_y) * (t.p3_y - t.p1_y));
  t.chord2 = std::sqrt((t.p3_x - t.p2_x) * (t.p3_x - t.p2_x) +
                       (t.p3_y - t.p2_y) * (t.p3_y - t.p2_y));

  t.arc1 = membrane_arc_length(alpha, theta1, beta, t.TB);
  t.arc2 = membrane_arc_length(alpha, kPi - theta2, beta, t.TB);
  t.arc_pi = membrane_arc_length(alpha, kPi, beta, t.TB);

  // Top to P1, top to bottom, P2's tangent angle to bottom, the two contacts.
  t.perimeter_nd = ((t.arc1 + t.arc_pi) + (t.arc_pi - t.arc2)) + t.chord1 + t.chord2;

  // The next trial divides the re-stored perimeter, not the input.
  t.scale = state.perimeter / t.perimeter_nd;
  state.perimeter = t.perimeter_nd * t.scale;

  t.chord1_m = t.chord1 * t.scale;
  t.chord2_m = t.chord2 * t.scale;
  t.bag_height = 1.0 * t.scale;

  t.p3_rise = std::fabs(1.0 - t.p3_y) * t.scale;
  t.hd_m = beta * t.scale;
  t.hd_rel = t.hd_m - t.p3_rise;
  t.Hd = t.p3_rise <= t.hd_m ? t.hd_m - t.p3_rise : 0.0;
  if (t.Hd > state.profile.crest_height) throw StopRun(Message::downstream_too_deep);

  t.bag_pressure = alpha * kGravity * t.bag_height * kWaterDensity;
  t.bag_tension = t.TB * kGravity * t.bag_height * t.bag_height * kWaterDensity;

  t.spread_angle_deg = 90.0 - (state.derived.theta1_deg + state.syogen.theta2_deg) * 0.75;
  t.spread_angle = t.spread_angle_deg * kPi / 180.0;
  t.width_factor = state.syogen.span /
                   (state.syogen.span - t.chord2_m / std::tan(t.spread_angle));

  t.bag_force1 = t.bag_pressure * t.chord1_m;
  t.bag_force2 = t.bag_pressure * t.chord2_m;
}

}  // namespace tqweir
