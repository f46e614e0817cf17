// The bag's free membrane by direct integration of its equilibrium, as an
// independent reference for the membrane kernels.
//
// Physics: an inflated membrane carries a constant tension T along its free
// length (no shear, no friction, weightless), and its curvature is the net
// pressure over the tension: T dpsi/ds = p. With lengths in bag heights,
// pressures as heads of water in bag heights and tau = T / (rho g h^2):
//   p(z) = alpha - max(0, z - (1 - beta)),
// the internal head less the outside water's head below the downstream water
// line (depth 1 - beta below the top; a bag with beta >= 1 is submerged
// everywhere). With the tangent angle psi as the independent variable
// (psi = 0 at the top, pi at the bottom):
//   dz/dpsi = sin(psi) tau / p,  dx/dpsi = cos(psi) tau / p,
//   ds/dpsi = tau / p,           dA/dpsi = x dz/dpsi,
// A being the area between the curve and the vertical through the top.
// Integrated by the classical fourth-order Runge-Kutta method with a fixed
// step in psi; a step that crosses the water line (where dp/dz jumps) is cut
// there, so that every step is smooth and the method keeps its order. No
// elliptic integral, no first integral of the equation is used.
#ifndef TQWEIR_TOOLS_VERIFY_MEMBRANE_ODE_H_
#define TQWEIR_TOOLS_VERIFY_MEMBRANE_ODE_H_

#include <vector>

namespace tqweir {
namespace verify {

struct MembranePoint {
  double psi = 0.0;  // tangent angle, rad
  double z = 0.0;    // depth below the top
  double x = 0.0;    // abscissa from the vertical through the top
  double s = 0.0;    // arc length from the top
  double area = 0.0; // area between the curve and the vertical through the top
};

struct MembraneModel {
  double alpha = 0.0;
  double beta = 0.0;
  double tau = 0.0;
  int steps = 4000;  // Runge-Kutta steps over a half turn (psi from 0 to pi)
};

// Net pressure head at depth z.
double net_pressure(const MembraneModel& m, double z);

// The membrane from the top to tangent angle `psi_end` (0..pi).
MembranePoint integrate_to_angle(const MembraneModel& m, double psi_end);

// The point at depth `z_target` (0 < z_target < z at psi = pi); the crossing
// is located inside its step by bisection on the step length.
MembranePoint integrate_to_depth(const MembraneModel& m, double z_target);

// The whole membrane from the top to psi = pi, one point per step (the
// water-line point included).
std::vector<MembranePoint> membrane_points(const MembraneModel& m);

// The tension at which the integrated membrane reaches depth 1 at psi = pi:
// bisection on tau (the depth reached grows with the tension).
double shoot_tension(double alpha, double beta, int steps = 4000);

}  // namespace verify
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_VERIFY_MEMBRANE_ODE_H_
