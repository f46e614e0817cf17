// Section geometry of one trial: the bag's shape, its size in metres, the
// downstream depth over the hinge, and the bag's pressure, tension and
// contact forces.
#ifndef TQWEIR_SECTION_TRIAL_GEOMETRY_H_
#define TQWEIR_SECTION_TRIAL_GEOMETRY_H_

#include "core/run_state.h"
#include "section/membrane_shape.h"

namespace tqweir {

// Fills state.trial's geometry and bag quantities for `alpha` (the bag's
// pressure head in bag heights) and re-stores state.perimeter.
// Throws StopRun(tension_negative) when TB < 0, StopRun(downstream_too_deep)
// when Hd > H, and lets the kernels' StopRun(membrane_not_converged) through.
void evaluate_trial_geometry(RunState& state, double alpha);

// The metric part of the same: copies `shape` (solved for `alpha` with the
// run's beta and angles) into state.trial, scales it to metres with the
// perimeter in use and re-stores that perimeter, then forms the downstream
// depth over the hinge and the bag's pressure, tension and forces.
// It must run in every trial, in order, even for a shape kept from an
// earlier trial: each trial divides the perimeter the previous one stored.
// Throws StopRun(downstream_too_deep) when Hd > H.
void apply_membrane_shape(RunState& state, double alpha, const MembraneShape& shape);

}  // namespace tqweir

#endif  // TQWEIR_SECTION_TRIAL_GEOMETRY_H_
