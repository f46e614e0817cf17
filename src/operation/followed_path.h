// The states the leaf goes through when the air is let out (lowering) or
// blown in (raising): along the quasi-static path, as long as the air
// moves one way along it. Where the air along the path turns back, the
// leaf cannot follow it: at the fold it falls (or rises) at once to the
// next state on the path that holds the same air, and the states between
// are never reached.
#ifndef TQWEIR_OPERATION_FOLLOWED_PATH_H_
#define TQWEIR_OPERATION_FOLLOWED_PATH_H_

#include <vector>

#include "operation/quasi_static_path.h"

namespace tqweir {
namespace operation {

enum class Direction { lower, raise };

struct FollowSettings {
  // A turn of the air smaller than this share of it is the solve's own fine
  // steps (the bag outline's point count, the grid of alpha), not a fold:
  // those states are passed over without a report.
  double fold_air_share = 1e-3;
  int fold_bisections = 12;        // narrowing the fold's start between two states
  double landing_tolerance = 1e-4; // degree or kN
  int max_landing_solves = 200;
};

enum class Mark { state, fold_start, landing };

struct FollowedState {
  PathState state;
  Mark mark = Mark::state;
};

// The leaf at `from` cannot follow the path on; it goes at once to `to`,
// which holds the same air (or, `to_end`, the path ends first and the leaf
// goes to its last state).
struct Fold {
  PathState from, to;
  bool to_end = false;
};

struct FollowedPath {
  Direction direction = Direction::lower;
  std::vector<FollowedState> states;  // in the order the leaf goes through them
  std::vector<Fold> folds;
  int solves = 0;                     // spent on the folds
};

// The path as the leaf follows it in `direction`: lowering from its first
// state, raising from its last.
FollowedPath follow_path(const QuasiStaticPath& path, Direction direction,
                         const FollowSettings& settings = FollowSettings());

// States of a path's case between two of its states, each solved once: by
// the tension along the stopper stage, by the angle along the slack one
// (and across the joint at the raised angle, where the two stages meet).
class PathSolvers {
 public:
  explicit PathSolvers(const QuasiStaticPath& path);

  // The solver whose unknown brackets `a` and `b`, and that unknown's value
  // of a state in it.
  StateSolver& bracketing(const PathState& a, const PathState& b);
  static Regime bracket_regime(const PathState& a, const PathState& b);
  static double value_in(const PathState& s, Regime regime);

  // The state halfway in the unknown between `a` and `b` (finished or not).
  const PathState& halfway(const PathState& a, const PathState& b);

  int solves() const { return by_tension_.solves() + by_angle_.solves(); }

 private:
  StateSolver by_tension_, by_angle_;
};

}  // namespace operation
}  // namespace tqweir

#endif  // TQWEIR_OPERATION_FOLLOWED_PATH_H_
