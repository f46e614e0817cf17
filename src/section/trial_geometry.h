// The metric part of a trial: the bag's shape scaled to metres, the
// downstream depth over the hinge, and the bag's pressure, tension and
// contact forces.
#ifndef TQWEIR_SECTION_TRIAL_GEOMETRY_H_
#define TQWEIR_SECTION_TRIAL_GEOMETRY_H_

#include "core/run_state.h"

namespace tqweir {

// Scales `shape` (solved for `alpha` with the run's beta and angles) to
// metres with `perimeter`, the perimeter in use, and forms the bag's
// section. The result's `perimeter` is perimeter_nd * scale, which the run
// must store as the perimeter in use: the next trial divides that re-stored
// value, not the input, so every trial runs this in order even when its
// shape was kept from an earlier one.
// Throws StopRun(downstream_too_deep) when Hd > H.
BagSection scale_bag(const RunState& state, const MembraneShape& shape, double alpha,
                     double perimeter);

}  // namespace tqweir

#endif  // TQWEIR_SECTION_TRIAL_GEOMETRY_H_
