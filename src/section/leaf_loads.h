// Downstream water and second-layer loads on the leaf for one trial.
#ifndef TQWEIR_SECTION_LEAF_LOADS_H_
#define TQWEIR_SECTION_LEAF_LOADS_H_

#include "core/run_state.h"

namespace tqweir {

// Downstream water (surface at Hd above the hinge) acts only above the bag's
// contact on the leaf, whose top lies sin(theta1) * chord1_m above the
// hinge; its vertical part uses the water's unit weight and its horizontal
// part the layer's. The second upstream layer acts when layer_level > 0.
LeafLoads compute_leaf_loads(const RunState& state, const BagSection& bag);

}  // namespace tqweir

#endif  // TQWEIR_SECTION_LEAF_LOADS_H_
