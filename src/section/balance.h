// Stopper geometry and the moment balance of the leaf about its hinge.
#ifndef TQWEIR_SECTION_BALANCE_H_
#define TQWEIR_SECTION_BALANCE_H_

#include "core/run_state.h"

namespace tqweir {

// Places the stopper (attachment point at anchor_distance along the leaf,
// foot on the floor line at base_distance), sums the moments about the
// hinge from the trial's records before it and returns the residual (N m per
// m): bag lift and downstream water negative; upstream water, layer,
// weight, the earthquake of state.seismic, tip moment and stopper positive. Also forms the tension resultant
// and support force that the summary prints. Reports nothing.
Balance compute_balance(const RunState& state, const BagSection& bag,
                        const UpstreamWater& upstream, const LeafLoads& loads);

}  // namespace tqweir

#endif  // TQWEIR_SECTION_BALANCE_H_
