// The exhaust's flow and the time integral of tqweir-operate against a
// rigid volume vented through an orifice: isothermal air in 1 m^3 at 288 K,
// Cd A = 0.0012 m^2. While choked the mass flow is proportional to the
// pressure, so the pressure decays exponentially, p = p0 exp(-t / tau) with
// tau = V / (Cd A sqrt(gamma R T) (2 / (gamma + 1))^((gamma + 1) / (2 (gamma - 1)))):
// a closed form. The subsonic phase has none; its reference is mpmath's
// quadrature at 40 digits (scripts/verify/vent_reference.py prints every
// reference value below).
#include <cmath>
#include <functional>

#include "core/constants.h"
#include "operation/operating_time.h"
#include "operation/orifice_flow.h"
#include "tools/verify/problem.h"

namespace tqweir {
namespace verify {
namespace {

using operation::FollowedPath;

const char kGroup[] = "Operation: venting a rigid volume through the exhaust";
constexpr double kVolume = 1.0;       // m^3, per metre of a span of 1 m
constexpr double kTemperature = 288.0;
constexpr double kCdA = 0.0012;       // m^2
constexpr int kStates = 2000;

// The vent from p_from down to p_to (Pa) as a path of `kStates` states of
// equal steps of air; the rigid volume's free air is p V / p_atm.
FollowedPath vent_path(double p_from, double p_to) {
  FollowedPath path;
  path.direction = operation::Direction::lower;
  for (int k = 0; k <= kStates; ++k) {
    operation::FollowedState s;
    s.state.p_abs = p_from + (p_to - p_from) * k / kStates;
    s.state.air = s.state.p_abs * kVolume / kAtmosphericPressure;
    s.state.result.finished = true;
    path.states.push_back(s);
  }
  return path;
}

// d(time)/d(air) of the vent: 1 / free-air flow.
double per_air(double air) {
  const double p = air * kAtmosphericPressure / kVolume;
  return 1.0 / (kCdA * operation::exhaust_flow_per_area(p, kTemperature));
}

// The trapezoid rule's error by its Euler-Maclaurin term h^2/12 (f'(b) -
// f'(a)) over the air, twice, plus the rounding of a sum of kStates terms:
// a bound for the time's steps by the logarithmic mean of the flows too,
// which are exact while choked (the flow linear in the air) and closer
// than the trapezoid rule subsonic.
double trapezoid_tolerance(double p_from, double p_to, double time) {
  const double a = p_to * kVolume / kAtmosphericPressure, b = p_from * kVolume / kAtmosphericPressure;
  const double h = (b - a) / kStates, d = h * 1e-3;
  const double fa = (per_air(a + d) - per_air(a - d)) / (2.0 * d);
  const double fb = (per_air(b + d) - per_air(b - d)) / (2.0 * d);
  return 2.0 * h * h / 12.0 * std::fabs(fb - fa) / time + kStates * 2.2e-16;
}

Problem vent_problem(const char* id, const char* what, const char* reference, const char* kind,
                     double p_from, double p_to, double reference_time) {
  operation::FlowModel model;
  model.unit_flow = [](const operation::PathState& s) {
    return operation::exhaust_flow_per_area(s.p_abs, kTemperature);
  };
  model.scale = kCdA;
  const double time = operation::operating_time(vent_path(p_from, p_to), model).total;
  return {kGroup, id, what, reference, kind, reference_time, time, true,
          trapezoid_tolerance(p_from, p_to, reference_time)};
}

}  // namespace

void operation_problems(std::ostream& out) {
  const double p_crit = kAtmosphericPressure / operation::critical_pressure_ratio();
  print_problem(out, {kGroup, "OP-V-01", "critical pressure ratio (2/(gamma+1))^(gamma/(gamma-1))",
                      "mpmath, 40 digits", "analytical", 0.52828178771717411,
                      operation::critical_pressure_ratio(), true, 4.4e-16});
  print_problem(out, vent_problem("OP-V-02", "choked vent 500 to 250 kPa (s)", "tau ln 2",
                                  "analytical", 500000.0, 250000.0, 2.9339243788326944));
  print_problem(out, vent_problem("OP-V-03", "choked vent 400 kPa to the critical pressure (s)",
                                  "tau ln(p0 / p_crit)", "analytical", 400000.0, p_crit,
                                  3.1111023240293601));
  print_problem(out, vent_problem("OP-V-04", "subsonic vent, critical pressure to 1.1 p_atm (s)",
                                  "mpmath quad, 40 digits", "high precision", p_crit,
                                  1.1 * kAtmosphericPressure, 2.616287744631574));
  print_problem(out, vent_problem("OP-V-05", "vent 400 kPa to 1.1 p_atm across the choke (s)",
                                  "closed form + mpmath quad", "high precision", 400000.0,
                                  1.1 * kAtmosphericPressure, 3.1111023240293601 + 2.616287744631574));
}

}  // namespace verify
}  // namespace tqweir
