// The hinge's force on the leaf: what closes the forces of every load.
#ifndef TQWEIR_LEAF_HINGE_REACTION_H_
#define TQWEIR_LEAF_HINGE_REACTION_H_

#include "leaf/applied_loads.h"

namespace tqweir {
namespace leaf {

struct HingeReaction {
  Vec force;               // on the leaf, N/m: x downstream, y up
  double size = 0.0;       // N/m
  double angle_deg = 0.0;  // its direction, degrees anticlockwise from +x
};

// Every load's force summed, and its clockwise moment about the hinge.
void sum_loads(const AppliedLoads& loads, Vec& force, double& moment);

// The reaction that balances the loads' force sum `load_sum`.
HingeReaction hinge_reaction(const Vec& load_sum);

}  // namespace leaf
}  // namespace tqweir

#endif  // TQWEIR_LEAF_HINGE_REACTION_H_
