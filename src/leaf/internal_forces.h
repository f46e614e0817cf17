// The axial force N, the shear V and the bending moment M along the leaf,
// each from the loads on the tip's side of the cut, integrated from the tip
// towards the hinge.
#ifndef TQWEIR_LEAF_INTERNAL_FORCES_H_
#define TQWEIR_LEAF_INTERNAL_FORCES_H_

#include <vector>

#include "leaf/applied_loads.h"
#include "leaf/stations.h"

namespace tqweir {
namespace leaf {

// The largest size a quantity takes and where: its signed value.
struct Extreme {
  double value = 0.0;
  double s = 0.0;
  Vec at;
};

struct InternalForces {
  std::vector<Station> stations;  // from the tip to the hinge, N, V, M filled
  Vec load_sum;           // every load's force summed (N/m)
  double hinge_moment = 0.0;  // every load's clockwise moment about the hinge (N m / m)
  Extreme max_N, max_V, max_M;
};

// Fills N, V and M at `stations` (ordered from the tip to the hinge). A
// line load counts over the part of it beyond the cut; a point load at the
// cut as the station says. Behind the hinge (a stopper attached on the
// first segment's extension) the hinge's force `reaction` joins the tip's
// side, so the stub carries what it carries.
InternalForces integrate_internal_forces(const LeafLine& line, const AppliedLoads& loads,
                                         std::vector<Station> stations, const Vec& reaction);

// The force and the clockwise moment about the hinge of the part of `load`
// between the parameters u0 < u1 along it (0 at its start, 1 at its end).
// Exact: the force is linear and the moment quadratic along the piece; a
// curved load's from its pressure's exact means.
void add_line_part(const LineLoad& load, double u0, double u1, Vec& force, double& moment);

}  // namespace leaf
}  // namespace tqweir

#endif  // TQWEIR_LEAF_INTERNAL_FORCES_H_
