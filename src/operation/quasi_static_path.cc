#include "operation/quasi_static_path.h"

#include <algorithm>
#include <cmath>

namespace tqweir {
namespace operation {
namespace {

// The unknown's values of one stage, from `from` to `to` in `intervals`
// equal steps, both ends exact.
std::vector<double> stage_values(double from, double to, int intervals) {
  std::vector<double> values;
  for (int k = 0; k < intervals; ++k) values.push_back(from + (to - from) * k / intervals);
  values.push_back(to);
  return values;
}

// Walks one stage (its first value already on the path): appends each state
// that finishes; at the first that stops, narrows where the runs begin to
// stop, ends the path on the last state that finishes and keeps the run
// that stops. True when the whole stage finished.
bool walk_stage(StateSolver& solver, const std::vector<double>& values, const PathSettings& settings,
                QuasiStaticPath& path) {
  for (std::size_t k = 1; k < values.size(); ++k) {
    const PathState& s = solver.at(values[k]);
    if (s.result.finished) {
      path.states.push_back(s);
      continue;
    }
    search::SearchSettings narrowing;
    narrowing.tolerance = settings.boundary_tolerance;
    narrowing.max_refine_solves = settings.max_boundary_solves;
    const search::Probe probe = solver.probe([](const PathState&) { return 0.0; });
    const search::Edge edge =
        search::refine_boundary(probe, probe(values[k - 1]), probe(values[k]), narrowing);
    const search::Sample& stopped = edge.lo.finished ? edge.hi : edge.lo;
    const double last = search::edge_value(edge).x;
    if (last != values[k - 1]) path.states.push_back(solver.at(last));
    path.stopped = true;
    path.stop = solver.at(stopped.x);
    return false;
  }
  return true;
}

}  // namespace

QuasiStaticPath quasi_static_path(const CaseInput& input, double lowered_angle,
                                  const PathSettings& settings) {
  QuasiStaticPath path;
  path.input = input;
  path.lowered_angle = lowered_angle;
  const double raised = input.parameter.theta1_deg;
  path.tailwater = settings.tailwater;
  StateSolver by_tension(input, Regime::stopper, settings.tailwater);
  StateSolver by_angle(input, Regime::slack, settings.tailwater);

  const double tension = input.parameter.stopper_tension;
  const PathState& base = by_tension.at(tension);
  bool whole = base.result.finished;
  if (whole) {
    path.states.push_back(base);
  } else {
    path.stopped = true;
    path.stop = base;
  }
  if (whole && tension != 0.0) {
    whole = walk_stage(by_tension, stage_values(tension, 0.0, settings.tension_intervals), settings, path);
  }
  if (whole) {
    // The state at the raised angle and tension 0 ends the stopper stage
    // and opens the slack one.
    const int intervals = std::min(
        settings.max_angle_intervals,
        std::max(1, static_cast<int>(std::ceil((raised - lowered_angle) / settings.angle_step))));
    walk_stage(by_angle, stage_values(raised, lowered_angle, intervals), settings, path);
  }
  path.solves = by_tension.solves() + by_angle.solves();
  return path;
}

}  // namespace operation
}  // namespace tqweir
