#include "search/sealed_bag.h"

#include <algorithm>
#include <cmath>

namespace tqweir {
namespace search {
namespace {

// Where a walk from a finished sample met the other side.
struct Walk {
  bool found = false;
  Sample from, to;    // consecutive samples of the walk, on either side
  Sample stopped{0.0, true, 0.0, 0};  // the run that stopped the walk, if one did
  bool at_bound = false;
  int solves = 0;
};

// Walks from `start` (finished) by `step`, 2 `step`, 4 `step`, ... until a
// finished sample on the other side of the target, a run that stops, the
// bound (taken as the last point) or `max_steps`.
Walk walk_out(const Probe& probe, const Sample& start, double step, bool bounded, double bound,
              int max_steps) {
  Walk walk;
  walk.from = start;
  double offset = step;
  for (int i = 0; i < max_steps; ++i, offset *= 2.0) {
    double x = start.x + offset;
    const bool last = bounded && (step > 0 ? x >= bound : x <= bound);
    if (last) x = bound;
    if (x == walk.from.x) break;
    const Sample s = probe(x);
    ++walk.solves;
    if (!s.finished) {
      walk.stopped = s;
      return walk;
    }
    if (reached(s) != reached(start)) {
      walk.found = true;
      walk.to = s;
      return walk;
    }
    walk.from = s;
    if (last) break;
  }
  walk.at_bound = true;
  return walk;
}

// The walk from `start`, tried first from a hint (the neighbouring level's
// state): the hint either lies across the target already, or the walk goes
// on from it.
Walk walk_from_hint(const Probe& probe, const Sample& start, const double* hint, double step,
                    bool bounded, double bound, int max_steps) {
  if (hint != nullptr && *hint != start.x) {
    const Sample s = probe(*hint);
    if (s.finished && reached(s) != reached(start)) {
      Walk walk;
      walk.found = true;
      walk.from = start;
      walk.to = s;
      walk.solves = 1;
      return walk;
    }
    if (s.finished) {
      Walk walk = walk_out(probe, s, step, bounded, bound, max_steps);
      ++walk.solves;
      return walk;
    }
  }
  return walk_out(probe, start, step, bounded, bound, max_steps);
}

// The state at the narrowed value of `field`, solved once more for its
// printed summary.
void refuse(SealedState& state, const std::string& reason, const Sample& stopped) {
  state.regime = "none";
  state.reason = reason;
  if (!stopped.finished) state.stop = static_cast<Message>(stopped.stop);
}

// The value of the unknown the state is given at. The air volume is a
// staircase in the unknown (the solve's own), and where the narrowing ends
// on a step that holds the air to the last bit, every value of the step is
// that state: the base case's own value is taken when it lies on the step
// (one solve to see), so that the base level's row is the base case.
double state_value(const CaseInput& input, const InputField& field, const Edge& edge, double own,
                   double tolerance, double air_volume, SealedState& state) {
  const Sample& found = edge_value(edge);
  if (found.excess != 0.0 || found.x == own || std::fabs(found.x - own) > 100.0 * tolerance) {
    return found.x;
  }
  const CaseResult at_own = solve_unrounded(with_value(input, field, own));
  ++state.solves;
  const bool holds = at_own.finished &&
                     at_own.values[static_cast<std::size_t>(summary_index(SummaryId::air_volume))] ==
                         air_volume;
  return holds ? own : found.x;
}

void take_state(const CaseInput& input, const InputField& field, const Edge& edge, double x,
                SealedState& state) {
  if (edge.interrupted) {
    refuse(state, "a run between two states stops", edge.inside);
    return;
  }
  state.result = solve_unrounded(with_value(input, field, x));
  ++state.solves;
  state.held = state.result.finished;
  if (&field == &input_field(InputId::theta1_deg)) {
    state.theta1_deg = x;
  } else {
    state.stopper_tension = x;
  }
  if (!state.held) refuse(state, "the state found does not solve again", Sample{x, true, 0.0, 0});
}

Edge narrowed(const Probe& probe, const Walk& walk, double tolerance, const SealedSettings& s,
              SealedState& state) {
  SearchSettings search;
  search.tolerance = tolerance;
  search.max_refine_solves = s.max_refine_solves;
  const Edge edge = refine_crossing(probe, walk.from, walk.to, search);
  state.solves += edge.solves;
  return edge;
}

}  // namespace

CaseResult sealed_base(const CaseInput& base) { return solve_unrounded(base); }

SealedState sealed_state(const CaseInput& base, const InputField& load_field, double load,
                         double air_volume, const SealedSettings& settings,
                         const SealedState* previous) {
  SealedState state;
  state.load = load;
  const Goal goal{SummaryId::air_volume, air_volume, false, 1.0};
  CaseInput input = with_value(base, load_field, load);
  const InputField& tension = input_field(InputId::stopper_tension);
  const InputField& angle = input_field(InputId::theta1_deg);
  state.theta1_deg = input.parameter.theta1_deg;

  // With the leaf at the raised angle and the stopper slack: more air than
  // the bag holds is needed when the excess is above 0, so the leaf goes down.
  const Probe by_tension = case_probe(input, tension, goal);
  const Sample slack = by_tension(0.0);
  ++state.solves;
  if (!slack.finished) {
    refuse(state, "no state with the stopper at tension 0", slack);
    return state;
  }

  if (!reached(slack) || slack.excess == 0.0) {
    state.regime = "stopper";
    if (slack.excess == 0.0) {
      state.result = solve_unrounded(with_value(input, tension, 0.0));
      ++state.solves;
      state.held = state.result.finished;
      return state;
    }
    // The sealed air pushes harder than the leaf's loads need: the stopper
    // carries the difference, without a limit of the search's own.
    const bool hinted = previous != nullptr && previous->held && previous->regime == "stopper" &&
                        previous->stopper_tension > 0.0;
    const double step = hinted ? std::max(previous->stopper_tension / 8.0, 1.0)
                               : std::max(std::fabs(base.parameter.stopper_tension), 1.0);
    const Walk walk = walk_from_hint(by_tension, slack, hinted ? &previous->stopper_tension : nullptr,
                                     step, false, 0.0, settings.max_expansions);
    state.solves += walk.solves;
    if (!walk.found) {
      refuse(state, "no stopper tension holds the air", walk.stopped);
      return state;
    }
    const Edge edge = narrowed(by_tension, walk, settings.tension_tolerance, settings, state);
    take_state(input, tension, edge,
               state_value(input, tension, edge, base.parameter.stopper_tension,
                           settings.tension_tolerance, air_volume, state),
               state);
    return state;
  }

  state.regime = "slack";
  input.parameter.stopper_tension = 0.0;
  const Probe by_angle = case_probe(input, angle, goal);
  Sample raised = slack;
  raised.x = state.theta1_deg;
  if (!(raised.x > settings.lowest_angle_deg)) {
    refuse(state, "the leaf is at its lowest angle and the air cannot hold it", Sample{0, true});
    return state;
  }
  const double step = -std::min(0.5, (raised.x - settings.lowest_angle_deg) / 2.0);
  const bool hinted = previous != nullptr && previous->held && previous->regime == "slack" &&
                      previous->theta1_deg < raised.x &&
                      previous->theta1_deg > settings.lowest_angle_deg;
  const Walk walk = walk_from_hint(by_angle, raised, hinted ? &previous->theta1_deg : nullptr, step,
                                   true, settings.lowest_angle_deg, settings.max_expansions);
  state.solves += walk.solves;
  if (!walk.found) {
    refuse(state,
           walk.at_bound ? "the leaf goes down to its lowest angle without holding the air"
                         : "no leaf angle holds the air",
           walk.stopped);
    return state;
  }
  const Edge edge = narrowed(by_angle, walk, settings.angle_tolerance, settings, state);
  take_state(input, angle, edge,
             state_value(input, angle, edge, base.parameter.theta1_deg, settings.angle_tolerance,
                         air_volume, state),
             state);
  return state;
}

SealedCurve sealed_curve(const CaseInput& base, const InputField& load_field,
                         const std::vector<double>& loads, const SealedSettings& settings) {
  SealedCurve curve;
  curve.base = sealed_base(base);
  curve.solves = 1;
  if (!curve.base.finished) return curve;
  curve.air_volume =
      curve.base.values[static_cast<std::size_t>(summary_index(SummaryId::air_volume))];
  for (double load : loads) {
    const SealedState* previous = curve.states.empty() ? nullptr : &curve.states.back();
    SealedState state = sealed_state(base, load_field, load, curve.air_volume, settings, previous);
    curve.solves += state.solves;
    curve.states.push_back(std::move(state));
  }
  return curve;
}

}  // namespace search
}  // namespace tqweir
