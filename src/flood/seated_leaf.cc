#include "flood/seated_leaf.h"

#include <algorithm>
#include <cmath>

#include "core/constants.h"
#include "core/stop.h"
#include "flood/number_cell.h"
#include "flood/route_stop.h"
#include "membrane/tension.h"

namespace tqweir {
namespace flood {
namespace {

double& value(GateState& s, SummaryId id) {
  return s.values[static_cast<std::size_t>(summary_index(id))];
}

// The lower end of the bracket the membrane law searches the cosine of the
// tangent angle at the water line in (membrane/tension.cc).
constexpr double kLawBracket = -0.999999;

constexpr double kDegree = kPi / 180.0;

}  // namespace

double bag_p_abs(const GateState& state, double air) {
  const double area = state.values[static_cast<std::size_t>(summary_index(SummaryId::bag_area))];
  return std::max(kAtmosphericPressure, kAtmosphericPressure * air / area);
}

double membrane_tau(double alpha, double beta) {
  if (!(alpha > 0.0)) return 0.0;
  if (beta >= 1.0) return std::max(0.0, solve_tension(alpha, beta));  // closed form
  // Below the water line the membrane turns from the tangent it has there
  // to the horizontal at the bottom under the net head; the turn it needs
  // shrinks to nothing as beta (alpha - beta / 2) falls to 0, and with it
  // the law's root runs to cos psi = -1, out of its search's bracket: the
  // arc above the water line is all that carries, tau = c alpha / 2.
  const double c = 1.0 - beta;
  const double net = beta * (alpha - 0.5 * beta);
  if (net <= c * alpha * (1.0 + kLawBracket) / (1.0 - kLawBracket)) return 0.5 * c * alpha;
  try {
    return solve_tension(alpha, beta);
  } catch (const StopRun&) {
    throw RouteStop("the membrane's tension of the seated leaf does not converge at pressure head " +
                    shown_number(alpha) + " and tailwater " + shown_number(beta) + " bag heights");
  }
}

GateState seated_state(const GateState& lowered, double lowered_air, double air) {
  if (!(air < lowered_air)) return lowered;
  GateState s = lowered;
  const double area = value(s, SummaryId::bag_area);
  const double lowered_gauge = kAtmosphericPressure * lowered_air / area - kAtmosphericPressure;
  const double gauge = bag_p_abs(lowered, air) - kAtmosphericPressure;
  const double share = lowered_gauge > 0.0 ? gauge / lowered_gauge : 0.0;

  // The pressure at the air temperature keeps the lowered state's ratio of
  // absolute pressures.
  double& at_temperature = value(s, SummaryId::pressure_at_temperature);  // MPa
  const double heating = (at_temperature * 1e6 + kAtmosphericPressure) /
                         (lowered_gauge + kAtmosphericPressure);
  at_temperature = (heating * (gauge + kAtmosphericPressure) - kAtmosphericPressure) / 1e6;

  const double beta = value(s, SummaryId::hd_nd);
  double& alpha = value(s, SummaryId::alpha);
  const double lowered_tau = membrane_tau(alpha, beta);
  alpha *= share;
  double& tension = value(s, SummaryId::bag_tension);
  const double tension_share = lowered_tau > 0.0 ? membrane_tau(alpha, beta) / lowered_tau : 0.0;
  tension *= tension_share;

  // The membrane's pull and the bag's push on its floor chord, and what
  // they give the support (section/balance.cc: the terms of the bag).
  double& pull = value(s, SummaryId::tension_pull);
  double& force2 = value(s, SummaryId::bag_force2);
  const double new_pull = pull * tension_share, new_force2 = force2 * share;
  const double bisector = value(s, SummaryId::bisector_angle_deg) * kDegree;  // (theta1 - theta2) / 2
  const double theta2 = value(s, SummaryId::theta1_deg) * kDegree - 2.0 * bisector;
  value(s, SummaryId::support_force) += std::cos(2.0 * bisector) * (new_pull - pull) / 2.0 -
                                        std::sin(theta2) * (new_force2 - force2);
  pull = new_pull;
  force2 = new_force2;
  value(s, SummaryId::air_volume) = air;
  return s;
}

}  // namespace flood
}  // namespace tqweir
