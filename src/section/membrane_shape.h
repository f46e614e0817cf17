// The bag's section in the membrane frame for one alpha: everything a trial
// computes before the scale to metres enters.
//
// It depends on alpha and on a ShapeInput (the downstream depth beta and the
// two support angles) only, so a run that meets the same alpha again (the
// bisection re-evaluates both bounds in every iteration) can keep it and redo
// only the metric part.
#ifndef TQWEIR_SECTION_MEMBRANE_SHAPE_H_
#define TQWEIR_SECTION_MEMBRANE_SHAPE_H_

#include "core/run_state.h"
#include "core/trial_records.h"
#include "membrane/elliptic_integrals.h"

namespace tqweir {

// Everything the shape reads besides alpha; fixed for a run.
struct ShapeInput {
  double beta = 0.0;    // downstream depth in bag heights (floored hd_nd)
  double theta1 = 0.0;  // rad, leaf angle as read
  double theta2 = 0.0;  // rad, floor angle
};

// The shape input of a run, taken from its derived quantities.
ShapeInput shape_input(const RunState& state);

// Solves the membrane for pressure head `alpha` and downstream depth `beta`
// (bag heights) between the leaf at `theta1` and the floor at `theta2`
// (rad), taking the elliptic integrals from `integrals`.
// Throws StopRun(tension_negative) when the tension is negative (checked
// before anything else is solved) and lets the kernels'
// StopRun(membrane_not_converged) through.
MembraneShape solve_membrane_shape(double alpha, const ShapeInput& input,
                                   EllipticIntegrals& integrals);

}  // namespace tqweir

#endif  // TQWEIR_SECTION_MEMBRANE_SHAPE_H_
