// The bag's section in the membrane frame for one alpha: everything a trial
// computes before the scale to metres enters.
//
// It depends on alpha, the downstream depth beta and the two support angles
// only, so a run that meets the same alpha again (the bisection re-evaluates
// both bounds in every iteration) can keep it and redo only the metric part.
#ifndef TQWEIR_SECTION_MEMBRANE_SHAPE_H_
#define TQWEIR_SECTION_MEMBRANE_SHAPE_H_

#include "core/trial_records.h"
#include "membrane/elliptic_integrals.h"

namespace tqweir {

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
