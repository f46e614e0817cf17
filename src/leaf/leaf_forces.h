// The leaf as a free body: the forces of a converged run's balance along
// the leaf, its axial force, shear and bending moment per metre, the hinge's
// reaction and the closure against the balance.
#ifndef TQWEIR_LEAF_LEAF_FORCES_H_
#define TQWEIR_LEAF_LEAF_FORCES_H_

#include "core/run_state.h"
#include "driver/case_result.h"
#include "leaf/applied_loads.h"
#include "leaf/closure.h"
#include "leaf/hinge_reaction.h"
#include "leaf/internal_forces.h"
#include "section/water_surface.h"

namespace tqweir {
namespace leaf {

struct LeafForces {
  AppliedLoads loads;
  InternalForces internal;  // the stations with N, V, M and their maxima
  HingeReaction reaction;
  // Summary field 11, the method's support force (N/m): its combination of
  // the forces at the bag's corner, not the hinge's reaction; shown beside
  // it for what it is.
  double support_force = 0.0;
  Closure closure;
  // The largest net pressure normal to the leaf (Pa), the water's own (not
  // times width_factor) less the bag's: what the skin plate carries.
  Extreme max_net_pressure;
};

// For a finished run's result (a MemoryRun's `result`): its converged
// state and the upstream surface its trials had.
LeafForces leaf_forces(const CaseResult& result);

// For a converged state and its run's upstream surface.
LeafForces leaf_forces(const RunState& converged, const WaterSurface& surface);

// For the state a finished solve leaves (solve_case's `state`: the last
// trial's records). The upstream surface is rebuilt from the state; it is
// the same in every trial of a run.
LeafForces leaf_forces(const RunState& converged);

}  // namespace leaf
}  // namespace tqweir

#endif  // TQWEIR_LEAF_LEAF_FORCES_H_
