#include "search/sealed_bag.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "search/sealed_walk.h"

namespace tqweir {
namespace search {
namespace {

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

void refuse(SealedState& state, const std::string& reason, const Sample& stopped) {
  state.regime = "none";
  state.reason = reason;
  if (!stopped.finished) state.stop = static_cast<Message>(stopped.stop);
}

// The state at `x` of `field`, solved once more for its printed summary.
void take_state(const CaseInput& input, const InputField& field, double x, SealedState& state) {
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

// The state chosen on the grids (sealed_step.h), or why there is none.
void take_step(const CaseInput& input, const InputField& field, const StepState& step,
               SealedState& state) {
  state.solves += step.solves;
  if (!step.found) {
    refuse(state,
           step.stopped.finished ? "the air held does not cross the base air once near the state"
                                 : "a run between two states stops",
           step.stopped);
    return;
  }
  take_state(input, field, step.x, state);
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

// The walk's crossing narrowed to a value near it; the state is then chosen
// on the grids around that value, which the walk's start no longer decides.
void settle(const Probe& probe, const CaseInput& input, const InputField& field, const Walk& walk,
            double tolerance, double lo, double hi, double own, const SealedSettings& settings,
            SealedState& state) {
  const Edge edge = narrowed(probe, walk, tolerance, settings, state);
  if (edge.interrupted) {
    refuse(state, "a run between two states stops", edge.inside);
    return;
  }
  take_step(input, field, state_near(probe, edge_value(edge).x, lo, hi, own, settings.grid),
            state);
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
      // Tension 0 is the lowest point of the step the stopper can give.
      take_step(input, tension,
                state_on_step(by_tension, 0.0, std::numeric_limits<double>::infinity(),
                              base.parameter.stopper_tension, settings.grid),
                state);
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
    settle(by_tension, input, tension, walk, settings.tension_tolerance, 0.0,
           std::numeric_limits<double>::infinity(), base.parameter.stopper_tension, settings,
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
  settle(by_angle, input, angle, walk, settings.angle_tolerance, settings.lowest_angle_deg,
         raised.x, base.parameter.theta1_deg, settings, state);
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
