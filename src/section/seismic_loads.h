// What an earthquake adds to a case: the water's added pressure on the
// upstream face and the leaf's inertia, both horizontal towards downstream.
#ifndef TQWEIR_SECTION_SEISMIC_LOADS_H_
#define TQWEIR_SECTION_SEISMIC_LOADS_H_

#include "core/run_state.h"

namespace tqweir {

// For the case of `state` (inputs read, leaf laid out) in an earthquake of
// horizontal coefficient kh >= 0. The added pressure acts where the still
// upstream water does below the crest, segment by segment as the balance
// takes it (a segment under the upstream level in full, one rising through
// it up to the water line, any other not at all), with the water's unit
// weight; H is the depth from the upstream level to the lowest point of that
// face. The face's slope is the line from that point to the face's highest
// wetted point (USBR's rule for a face of several slopes). The inertia is
// kh leaf_weight at the weight's point. kh = 0 gives the empty record.
SeismicLoads seismic_loads(const RunState& state, double kh);

}  // namespace tqweir

#endif  // TQWEIR_SECTION_SEISMIC_LOADS_H_
