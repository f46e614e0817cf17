#include "operation/followed_path.h"

#include <algorithm>
#include <cmath>

namespace tqweir {
namespace operation {
namespace {

class Follower {
 public:
  Follower(const QuasiStaticPath& path, Direction direction, const FollowSettings& settings)
      : sign_(direction == Direction::lower ? -1.0 : 1.0), settings_(settings), solvers_(path) {}

  // How far the leaf has got: the air, falling when lowering, rising when raising.
  double progress(const PathState& s) const { return sign_ * s.air; }

  // The last state on the branch of `on` before `off` leaves it: bisection
  // on "finishes and has got at least as far".
  PathState fold_start(const PathState& on, const PathState& off) {
    const Regime regime = PathSolvers::bracket_regime(on, off);
    StateSolver& solver = solvers_.bracketing(on, off);
    double a = PathSolvers::value_in(on, regime), b = PathSolvers::value_in(off, regime);
    PathState best = on;
    for (int k = 0; k < settings_.fold_bisections; ++k) {
      const double m = a + (b - a) / 2.0;
      const PathState& s = solver.at(m);
      if (s.result.finished && progress(s) >= progress(best)) {
        best = s;
        a = m;
      } else {
        b = m;
      }
    }
    return best;
  }

  // The state between `before` (not as far as `level`) and `after` (further)
  // that first gets as far as `level`.
  PathState landing(const PathState& before, const PathState& after, double level) {
    if (progress(before) >= level) return before;
    const Regime regime = PathSolvers::bracket_regime(before, after);
    StateSolver& s = solvers_.bracketing(before, after);
    const search::Probe probe = s.probe([this, level](const PathState& p) { return progress(p) - level; });
    search::SearchSettings narrowing;
    narrowing.tolerance = settings_.landing_tolerance;
    narrowing.max_refine_solves = settings_.max_landing_solves;
    const search::Edge edge =
        search::refine_crossing(probe, probe(PathSolvers::value_in(before, regime)),
                                probe(PathSolvers::value_in(after, regime)), narrowing);
    if (edge.interrupted) return after;
    return s.at(search::reached(edge.lo) ? edge.lo.x : edge.hi.x);
  }

  int solves() const { return solvers_.solves(); }

  double share() const { return settings_.fold_air_share; }

 private:
  double sign_;
  FollowSettings settings_;
  PathSolvers solvers_;
};

}  // namespace

PathSolvers::PathSolvers(const QuasiStaticPath& path)
    : by_tension_(path.input, Regime::stopper, path.tailwater),
      by_angle_(path.input, Regime::slack, path.tailwater) {}

// The unknown two states are bracketed in: their own regime, or the angle
// where the stopper stage meets the slack one (the joint's angle is the
// raised angle).
Regime PathSolvers::bracket_regime(const PathState& a, const PathState& b) {
  return a.regime == b.regime ? a.regime : Regime::slack;
}

double PathSolvers::value_in(const PathState& s, Regime regime) {
  return regime == Regime::stopper ? s.stopper_tension : s.theta1_deg;
}

StateSolver& PathSolvers::bracketing(const PathState& a, const PathState& b) {
  return bracket_regime(a, b) == Regime::stopper ? by_tension_ : by_angle_;
}

const PathState& PathSolvers::halfway(const PathState& a, const PathState& b) {
  const Regime regime = bracket_regime(a, b);
  const double x = value_in(a, regime), y = value_in(b, regime);
  return bracketing(a, b).at(x + (y - x) / 2.0);
}

FollowedPath follow_path(const QuasiStaticPath& path, Direction direction,
                         const FollowSettings& settings) {
  FollowedPath followed;
  followed.direction = direction;
  std::vector<PathState> nodes = path.states;
  if (direction == Direction::raise) std::reverse(nodes.begin(), nodes.end());
  if (nodes.empty()) return followed;
  Follower follower(path, direction, settings);
  followed.states.push_back({nodes[0], Mark::state});
  double best = follower.progress(nodes[0]);
  std::size_t i = 1;
  while (i < nodes.size()) {
    if (follower.progress(nodes[i]) >= best) {
      followed.states.push_back({nodes[i], Mark::state});
      best = follower.progress(nodes[i]);
      ++i;
      continue;
    }
    // The air turns back at node i: the first node j beyond that gets
    // further than the leaf has got, and the deepest turn before it.
    std::size_t j = i;
    double deepest = best;
    while (j < nodes.size() && follower.progress(nodes[j]) <= best) {
      deepest = std::min(deepest, follower.progress(nodes[j]));
      ++j;
    }
    if (best - deepest <= follower.share() * std::fabs(nodes[i - 1].air)) {
      // The path's last state ends it even so, reached with the air the
      // leaf has got to.
      if (j == nodes.size()) followed.states.push_back({nodes.back(), Mark::state});
      i = j;
      continue;
    }
    Fold fold;
    fold.from = follower.fold_start(followed.states.back().state, nodes[i]);
    // The narrowed start has got further than the last state: the landing
    // is the first node beyond it.
    const double level = follower.progress(fold.from);
    while (j < nodes.size() && follower.progress(nodes[j]) <= level) ++j;
    if (j < nodes.size()) {
      fold.to = follower.landing(nodes[j - 1], nodes[j], level);
    } else {
      fold.to = nodes.back();
      fold.to_end = true;
    }
    if (unknown_of(fold.from) != unknown_of(followed.states.back().state) ||
        fold.from.regime != followed.states.back().state.regime) {
      followed.states.push_back({fold.from, Mark::fold_start});
    } else {
      followed.states.back().mark = Mark::fold_start;
    }
    followed.states.push_back({fold.to, Mark::landing});
    followed.folds.push_back(fold);
    best = std::max(level, follower.progress(fold.to));
    i = fold.to_end ? nodes.size() : j;
  }
  followed.solves = follower.solves();
  return followed;
}

}  // namespace operation
}  // namespace tqweir
