// The net pressure normal to the leaf: what its skin plate carries between
// the ribs, the water on one face less the bag (or the water) on the other.
#ifndef TQWEIR_LEAF_NET_PRESSURE_H_
#define TQWEIR_LEAF_NET_PRESSURE_H_

#include "leaf/applied_loads.h"
#include "leaf/internal_forces.h"
#include "leaf/leaf_line.h"

namespace tqweir {
namespace leaf {

// The largest size of the net normal pressure (Pa) over the leaf and where,
// signed (positive towards the lower, bag, face). The water's loads are
// divided by `water_scale` (the run's width_factor): the plate carries the
// water's own pressure, not the balance's share of the span. Every load is
// linear along its piece, so the sum is too between the pieces' ends, and
// the largest lies at an end; each end is taken on either side, as one
// piece ends there and the next begins.
Extreme largest_net_pressure(const AppliedLoads& loads, const LeafLine& line, double water_scale);

}  // namespace leaf
}  // namespace tqweir

#endif  // TQWEIR_LEAF_NET_PRESSURE_H_
