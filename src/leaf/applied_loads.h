// The forces of the calculation's balance as they act along the leaf, per
// metre, in the balance's frame: the water, the weight and an earthquake's
// loads per metre of span times width_factor (the bag is shorter than the span, and the
// balance weighs its pressure against the water and the weight over the
// span), the bag's pressure, the stopper and the tip's load as they are.
#ifndef TQWEIR_LEAF_APPLIED_LOADS_H_
#define TQWEIR_LEAF_APPLIED_LOADS_H_

#include <vector>

#include "core/run_state.h"
#include "leaf/leaf_line.h"
#include "leaf/pressure_pieces.h"

namespace tqweir {
namespace leaf {

enum class Term { upstream, layer, downstream, bag, weight, stopper, tip, quake_water, inertia };

// A force spread over a straight piece of the leaf from `a` to `b`,
// varying linearly from `fa` to `fb` (N per m of leaf, per m), lying on
// segment `segment` between the distances sa < sb.
struct LineLoad {
  Term term = Term::upstream;
  int segment = 0;
  double sa = 0.0, sb = 0.0;
  Vec a, b;
  Vec fa, fb;
  // A pressure that is not linear along the piece (the water's added
  // pressure in an earthquake): when `curved`, the force per metre is
  // `push` times `pressure` at the depth, which runs linearly from `da` at
  // `a` to `db` at `b`; fa and fb are its values at the ends.
  bool curved = false;
  HydrodynamicPressure pressure;
  double da = 0.0, db = 0.0;
  Vec push;
};

// A force (N/m) at distance `s` along the leaf, at `at`.
struct PointLoad {
  Term term = Term::weight;
  double s = 0.0;
  Vec at;
  Vec f;
};

struct AppliedLoads {
  std::vector<LineLoad> lines;
  std::vector<PointLoad> points;
};

// The water's pressure over `piece` as a line load: from above (`side` +1)
// it pushes the leaf towards its lower face, from below (-1) towards its
// upper face. The vertical part takes `unit_weight_v`, the horizontal part
// `unit_weight_h` (the water below the leaf pushes horizontally with the
// second layer's unit weight, as the balance takes it); both times `scale`.
LineLoad pressure_load(Term term, const LeafLine& line, const PressurePiece& piece, double side,
                       double unit_weight_v, double unit_weight_h, double scale);

// Every load on the leaf of a converged run: the upstream water (over the
// pieces of its own surface), the second layer, the downstream water above
// the bag's contact, the bag's pressure over its contact from the hinge
// (chord1_m along the leaf), the weight at its arm along the leaf, the
// stopper's pull at its attachment along the stopper's line towards its
// foot, and the tip's load: the force tip_moment / |tip| at the tip, square
// to the line from the hinge, so that its moment about the hinge is the
// given tip moment. An earthquake (state.seismic) adds the water's added
// pressure over the still water's pieces at the upstream level, pushing as
// the water does, and the inertia kh leaf_weight downstream at the weight's
// point.
AppliedLoads applied_loads(const RunState& state, const LeafLine& line, const WaterSurface& surface);

}  // namespace leaf
}  // namespace tqweir

#endif  // TQWEIR_LEAF_APPLIED_LOADS_H_
