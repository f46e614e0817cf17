// Where along the leaf the axial force, the shear and the bending moment
// are given.
#ifndef TQWEIR_LEAF_STATIONS_H_
#define TQWEIR_LEAF_STATIONS_H_

#include <vector>

#include "leaf/applied_loads.h"
#include "leaf/leaf_line.h"

namespace tqweir {
namespace leaf {

// No two neighbouring stations lie further apart than this along the leaf.
constexpr double kStationSpacing = 0.05;  // m

// A cut through the leaf at distance `s`, square to segment `segment`
// (whose direction the axial force and the shear follow). Point loads lying
// exactly at `s` are on the tip's side of the cut when `past_point_loads`.
struct Station {
  double s = 0.0;
  int segment = 1;
  Vec at;
  bool past_point_loads = false;
  double N = 0.0;  // axial force, tension positive (N/m)
  double V = 0.0;  // shear: the tip's side pushed towards the lower face positive (N/m)
  double M = 0.0;  // bending moment, the upper (water) face in tension positive (N m / m)
};

// The stations from the tip to the hinge (to the stopper's attachment where
// it lies behind the hinge), in that order: every node (once for each
// segment meeting there), every distance in `marks`, every point load
// (once on each side of it), and as many more as keep them at most
// kStationSpacing apart.
std::vector<Station> make_stations(const LeafLine& line, const std::vector<double>& marks,
                                   const AppliedLoads& loads);

}  // namespace leaf
}  // namespace tqweir

#endif  // TQWEIR_LEAF_STATIONS_H_
