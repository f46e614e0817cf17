// The gate whose air changes through the flood (the valve lets it out,
// the blower puts it in): at each level and air, the state on the
// quasi-static path of that level that holds the air.
//
// The paths are solved at levels on a grid, when the route first needs
// them: the base case at the grid level, followed from the raised leaf
// down to the lowered angle (src/operation), giving the air against the
// angle and the discharge. At a level between two grid levels the state
// of the air at each is found on its path (linear in the air between
// path states) and the two are blended as the other table gates blend
// (flood/table_gate.h). Where the air along a path turns back (a fold),
// the followed path jumps from the fold's state to the one below holding
// the same air: the state, and with it the discharge, jumps as the air
// crosses the fold's air, and the route's error control stops its steps
// at the jump rather than smoothing over it.
#ifndef TQWEIR_FLOOD_AIR_GATE_H_
#define TQWEIR_FLOOD_AIR_GATE_H_

#include <map>
#include <memory>
#include <set>

#include "core/run_state.h"
#include "flood/gate.h"
#include "flood/path_grid.h"
#include "flood/tailwater_curve.h"

namespace tqweir {
namespace flood {

class AirGate : public Gate {
 public:
  // `base` at each grid level, its leaf lowered to `lowered_angle` (degree).
  // REQUIRES: lowered_angle below the base case's leaf angle.
  AirGate(const CaseInput& base, double lowered_angle,
          const AirGateSettings& settings = AirGateSettings());

  // A gate over `grid`, which other gates of the same base case may share.
  // Its solves() counts the solves of every path it reads, whether it or
  // another gate solved it, so a route's count is the one it has alone.
  explicit AirGate(std::shared_ptr<PathGrid> grid);

  double outflow(double level, double air) override;
  GateState state(double level, double air) override;
  int solves() const override { return solves_; }

  // state(level, air) as far as the bag's outline (its area), the crest and
  // the discharge go, bit for bit, without the seated leaf's pressure and
  // tension (a root of the membrane's law at each call): what the route
  // asks for at every trial stage.
  GateState outline_state(double level, double air);

  // The air (m3/m) of the lowered leaf at `level`, between its grid levels:
  // with no more than this the leaf lies at the lowered angle.
  double lowered_air(double level);

  // The air (m3/m) of the raised state (the stopper at the case's tension)
  // at `level`, between its grid levels.
  double raised_air(double level);

  // The path of the grid level nearest `level` (its folds).
  const LevelPath& path_near(double level);

  // The path solved at `level` itself, not kept: the reference the grid
  // is measured against.
  LevelPath direct_path(double level);

  double span() const { return grid_->span(); }

  // The grid levels (indices) this gate has read: gates over one grid
  // count each path's solves once over the union of theirs.
  std::set<long> levels_read() const;

  // From now on every path's states stand in the tailwater of `t` at their
  // own outflow (flood/tailwater_curve.h). Called before the first path.
  void follow_tailwater(const TailwaterCurve& t);

 private:
  const LevelPath& path(long index);
  double path_air(double level, bool lowered);
  std::shared_ptr<PathGrid> grid_;
  // The grid levels this gate has read and their paths. The grid's paths
  // stay where they are once solved, so a level read once is found here
  // again without the grid's lock, which routes on other threads share:
  // the route asks for a path at every derivative.
  std::map<long, const LevelPath*> read_;
  int solves_ = 0;
};

// The state on `path` that holds `air`: linear in the air between the
// path's states; at or below the lowered state's air the leaf on its seat
// at the lowered angle with the bag at the pressure of its air
// (flood/seated_leaf.h, regime lowered), or, where the path stops above
// the lowered angle (the model has no state below its last), that last
// state with the bag at the pressure of its air (regime lowest_held: the
// model does not say where the leaf goes below it); above the raised state's air the stopper stage
// continued linearly in the air (the crest does not move; the trial
// stages of a step that overshoots where the blower stops reach there). Throws
// RouteStop for a path that does not hold, or an air beyond that.
GateState state_on_path(const LevelPath& path, double air, double span);

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_AIR_GATE_H_
