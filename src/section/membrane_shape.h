// The bag's section in the membrane frame for one alpha: everything a trial
// computes before the scale to metres enters.
//
// It depends on alpha, the downstream depth beta and the two support angles
// only, so a run that meets the same alpha again (the bisection re-evaluates
// both bounds in every iteration) can keep it and redo only the metric part.
#ifndef TQWEIR_SECTION_MEMBRANE_SHAPE_H_
#define TQWEIR_SECTION_MEMBRANE_SHAPE_H_

#include "membrane/elliptic_integrals.h"

namespace tqweir {

// Lengths in bag heights, depths down from the top of the free membrane.
struct MembraneShape {
  double TB = 0.0;  // membrane tension tau
  double s1 = 0.0, s2 = 0.0, s_bottom = 0.0;  // depths: leaf contact, floor contact, bottom
  double u1 = 0.0, u2 = 0.0, u_bottom = 0.0;  // abscissae at those depths
  double p1_x = 0.0, p1_y = 0.0;  // leaf contact, drawn mirrored
  double p2_x = 0.0, p2_y = 0.0;  // floor contact
  double p3_x = 0.0, p3_y = 0.0;  // hinge: the support lines' crossing
  double chord1 = 0.0, chord2 = 0.0;  // hinge to each contact
  double arc1 = 0.0, arc2 = 0.0, arc_pi = 0.0;  // arc lengths to theta1, pi - theta2, pi
  double perimeter_nd = 0.0;  // whole outline
};

// Solves the membrane for pressure head `alpha` and downstream depth `beta`
// (bag heights) between the leaf at `theta1` and the floor at `theta2`
// (rad), taking the elliptic integrals from `integrals`.
// Throws StopRun(tension_negative) when the tension is negative (checked
// before anything else is solved) and lets the kernels'
// StopRun(membrane_not_converged) through.
MembraneShape solve_membrane_shape(double alpha, double beta, double theta1,
                                   double theta2, EllipticIntegrals& integrals);

}  // namespace tqweir

#endif  // TQWEIR_SECTION_MEMBRANE_SHAPE_H_
