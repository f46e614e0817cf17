// Dimensionless membrane tension of the bag.
//
// Model: depth z down from the top of the free membrane in bag heights,
// internal pressure head alpha, downstream water standing beta above the
// bottom (water line at depth 1 - beta). The tangent angle psi obeys
// tau (1 - cos psi(z)) = L(z), L the integral of the net pressure head; the
// tension tau makes the membrane horizontal again at the bottom, psi(1) = pi.
#ifndef TQWEIR_MEMBRANE_TENSION_H_
#define TQWEIR_MEMBRANE_TENSION_H_

namespace tqweir {

// tau = T / (rho g h^2) for pressure head `alpha` and downstream depth
// `beta` (both in bag heights). Closed form when the bag is submerged
// (beta >= 1); otherwise a bisection on the cosine of the tangent angle at
// the water line. May be negative for beta > alpha + 0.5 (the caller checks).
// Throws StopRun(membrane_not_converged) when the search has no root in its
// bracket (beta within about 5e-07 below 1).
double solve_tension(double alpha, double beta);

}  // namespace tqweir

#endif  // TQWEIR_MEMBRANE_TENSION_H_
