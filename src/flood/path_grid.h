// The quasi-static paths of a base case at the levels of a grid, solved
// when first asked for and kept. A grid level's path depends on the level
// alone (each path starts from the base case set to that level), never on
// which route asked first, so one grid can serve every route of a design:
// the flood with power and without ask for largely the same levels, and
// the second route then finds most of its paths solved. Routes on several
// threads may share one grid: a level is solved once, by the first thread
// that asks for it, while the others that need it wait for that path.
#ifndef TQWEIR_FLOOD_PATH_GRID_H_
#define TQWEIR_FLOOD_PATH_GRID_H_

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/run_state.h"
#include "flood/gate.h"
#include "flood/tailwater_curve.h"
#include "operation/followed_path.h"

namespace tqweir {
namespace flood {

// One grid level's followed path as the gate reads it.
struct LevelPath {
  double level = 0.0;
  bool held = false;          // the case finishes at this level
  std::string reason;         // when not, or why the path stops early
  // The model has no state below the last one (the run past it stops), so
  // the path ends above the lowered angle.
  bool stopped = false;
  std::vector<GateState> states;  // in lowering order, air falling
  std::vector<double> airs;       // m3/m at atmospheric pressure, one per state
  std::vector<operation::Fold> folds;
  int solves = 0;
};

struct AirGateSettings {
  double spacing = 0.05;      // m between grid levels
  int max_levels = 400;       // paths solved at most, per route
  double angle_step = 2.0;    // degree along each path (docs/flood.md measures it)
};

class PathGrid {
 public:
  // `base` at each grid level, its leaf lowered to `lowered_angle` (degree).
  PathGrid(const CaseInput& base, double lowered_angle, const AirGateSettings& settings);

  // The path at grid level `index` × spacing, solved on the first call.
  // Safe to call from several threads at once.
  const LevelPath& at(long index);

  // The indices of the grid levels solved (or being solved) so far, lowest
  // first.
  std::vector<long> solved_indices() const;

  // Every grid level's path solved so far, by index. REQUIRES: no route
  // is asking the grid for a path meanwhile.
  std::map<long, LevelPath> solved_paths() const;

  // Puts `path`, solved by a grid of the same base case, lowered angle,
  // settings, tailwater and coefficient curve (another process's), at
  // grid level `index`, its states reading this grid's tailwater and
  // curve. A level already there keeps its own.
  void restore(long index, LevelPath path);

  // The path solved at `level` itself, not kept.
  LevelPath solve(double level) const;

  // From now on every path's states stand in the tailwater of `t` at their
  // own outflow, their discharge drowned by it (flood/tailwater_curve.h).
  // Called before the first path.
  void follow_tailwater(const TailwaterCurve& t);

  // From now on the leaf's discharge is at the coefficient `curve` gives
  // at each state's angle (flood/leaf_coefficient.h). Called before the
  // first path.
  void use_coefficient_curve(const LevelTable& curve);

  const AirGateSettings& settings() const { return settings_; }
  double span() const { return base_.syogen.span; }

 private:
  CaseInput base_;
  double lowered_angle_;
  AirGateSettings settings_;
  std::shared_ptr<const TailwaterCurve> tailwater_;  // none: free overfall
  std::shared_ptr<const LevelTable> coefficient_;    // none: the method's constant
  // A grid level's path, solved once; its address stays while the grid does.
  struct Entry {
    std::once_flag solved;
    LevelPath path;
  };
  mutable std::mutex mutex_;  // guards paths_ (the map, not the entries' paths)
  std::map<long, std::unique_ptr<Entry>> paths_;
};

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_PATH_GRID_H_
