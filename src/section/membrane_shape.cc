#include "section/membrane_shape.h"

#include <cmath>

#include "core/constants.h"
#include "core/stop.h"
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

ShapeInput shape_input(const RunState& state) {
  return ShapeInput{state.derived.hd_nd, state.derived.theta1, state.derived.theta2};
}

MembraneShape solve_membrane_shape(double alpha, const ShapeInput& input,
                                   EllipticIntegrals& integrals) {
  const double beta = input.beta;
  const double theta1 = input.theta1;
  const double theta2 = input.theta2;
  MembraneShape m;
  m.TB = solve_tension(alpha, beta);
  if (m.TB < 0.0) throw StopRun(Message::tension_negative);

  m.s1 = support_depth(1, alpha, beta, theta1, m.TB);
  m.s2 = support_depth(3, alpha, beta, theta2, m.TB);

  m.s_bottom = 0.99999;
  m.u1 = membrane_abscissa(m.s1, alpha, beta, m.TB, integrals);
  m.u2 = membrane_abscissa(m.s2, alpha, beta, m.TB, integrals);
  m.u_bottom = membrane_abscissa(m.s_bottom, alpha, beta, m.TB, integrals);

  // The leaf side of the bag is drawn mirrored (negative u). A floor contact
  // beyond the bag's bottom lies on the part that turns back after it.
  m.p1_x = -m.u1;
  m.p1_y = m.s1;
  m.p2_x = m.u_bottom - std::fabs(m.u_bottom - m.u2);
  m.p2_y = m.s2;

  m.p3_y = lines_meet_depth(m.p1_x, m.p1_y, m.p2_x, m.p2_y, theta1, theta2);
  m.p3_x = m.p1_x - (m.p1_y - m.p3_y) / std::tan(-theta1);

  m.chord1 = std::sqrt((m.p3_x - m.p1_x) * (m.p3_x - m.p1_x) +
                       (m.p3_y - m.p1_y) * (m.p3_y - m.p1_y));
  m.chord2 = std::sqrt((m.p3_x - m.p2_x) * (m.p3_x - m.p2_x) +
                       (m.p3_y - m.p2_y) * (m.p3_y - m.p2_y));

  m.arc1 = membrane_arc_length(alpha, theta1, beta, m.TB, integrals);
  m.arc2 = membrane_arc_length(alpha, kPi - theta2, beta, m.TB, integrals);
  m.arc_pi = membrane_arc_length(alpha, kPi, beta, m.TB, integrals);

  // Top to P1, top to bottom, P2's tangent angle to bottom, the two contacts.
  m.perimeter_nd = ((m.arc1 + m.arc_pi) + (m.arc_pi - m.arc2)) + m.chord1 + m.chord2;
  return m;
}

}  // namespace tqweir
