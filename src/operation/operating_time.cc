#include "operation/operating_time.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tqweir {
namespace operation {
namespace {

bool is_fall(const FollowedState& a, const FollowedState& b) {
  return a.mark == Mark::fold_start && b.mark == Mark::landing;
}

// A state with its unit-scale flow.
struct Node {
  PathState state;
  double flow = 0.0;
};

// The air moved from a to b in the path's direction; a turn of the solve's
// own fine steps moves none.
double air_moved(Direction direction, const PathState& a, const PathState& b) {
  const double moved = direction == Direction::lower ? a.air - b.air : b.air - a.air;
  return std::max(0.0, moved);
}

double node_time(Direction direction, const Node& a, const Node& b) {
  return linear_flow_time(air_moved(direction, a.state, b.state), a.flow, b.flow);
}

// One step of the followed path, from its state k to k + 1, with the states
// solved within it, in order, both ends included.
using Step = std::vector<Node>;

// Within a step the solve's own fine steps may turn the air back by a
// little; the leaf passes over such a turn, so only air beyond the
// furthest it has got counts, with the flow of the state it gets to.
double step_time(Direction direction, const Step& step) {
  double time = 0.0;
  std::size_t furthest = 0;
  for (std::size_t i = 1; i < step.size(); ++i) {
    const double moved = air_moved(direction, step[furthest].state, step[i].state);
    if (!(moved > 0.0)) continue;
    time += linear_flow_time(moved, step[furthest].flow, step[i].flow);
    furthest = i;
  }
  return time;
}

// Steps [first, last) between two states of the coarser spacing: two, or
// one where a fold, a fall or an end leaves only one.
struct Stretch {
  std::size_t first = 0, last = 0;
  bool fall = false;         // takes no time, so has nothing to refine
  int halvings = 0;
  bool stuck = false;        // a halfway state the model or the flow does not have
  bool has_coarse = false;
  double coarse = 0.0;       // unit time one halving coarser (or over every second state)
  double fine = 0.0;         // unit time over every state it has
  double earlier = 0.0;      // the change of the halving before, once halved
};

// How far the stretch's time may still be off: its last change, and once
// halved the one before too. Where the flow's change is carried by the
// solve's scatter (near a blower's shut-off), one halving may agree with
// the last by chance; two in a row that agree do not.
double stretch_change(const Stretch& s) {
  if (!s.has_coarse) return 0.0;
  return std::max(std::fabs(s.coarse - s.fine), s.halvings > 0 ? std::fabs(s.earlier) : 0.0);
}

// The stretches of the states [0, count): every fold's start and landing
// and both ends bound one; between them the plain states pair off from
// the stretch's start.
std::vector<Stretch> stretches_of(const FollowedPath& path, std::size_t count) {
  std::vector<Stretch> stretches;
  std::size_t k = 0;
  while (k + 1 < count) {
    Stretch s;
    s.first = k;
    s.last = k + 1;
    s.fall = is_fall(path.states[k], path.states[k + 1]);
    const bool pair = !s.fall && k + 2 < count && path.states[k + 1].mark == Mark::state;
    if (pair) s.last = k + 2;
    stretches.push_back(s);
    k = s.last;
  }
  return stretches;
}

double stretch_time(Direction direction, const std::vector<Step>& steps, const Stretch& s) {
  double time = 0.0;
  for (std::size_t k = s.first; k < s.last; ++k) time += step_time(direction, steps[k]);
  return time;
}

// Every step of `s` halved: the state between each two of its states
// solved. False, and nothing changed, where a halfway state is missing or
// has no flow.
bool halve(const Stretch& s, std::vector<Step>& steps, const FlowModel& model,
           const TimeRefinement& refinement) {
  std::vector<Step> halved;
  for (std::size_t k = s.first; k < s.last; ++k) {
    Step step{steps[k].front()};
    for (std::size_t i = 1; i < steps[k].size(); ++i) {
      const std::optional<PathState> m = refinement.halfway(steps[k][i - 1].state, steps[k][i].state);
      if (!m) return false;
      const double q = model.unit_flow(*m);
      if (!(q > 0.0) || !std::isfinite(q)) return false;
      step.push_back({*m, q});
      step.push_back(steps[k][i]);
    }
    halved.push_back(std::move(step));
  }
  for (std::size_t k = s.first; k < s.last; ++k) steps[k] = std::move(halved[k - s.first]);
  return true;
}

std::size_t halfway_count(const std::vector<Step>& steps, const Stretch& s) {
  std::size_t n = 0;
  for (std::size_t k = s.first; k < s.last; ++k) n += steps[k].size() - 1;
  return n;
}

// The stretch to halve next: one without a coarser time first, then the
// one whose time changed most; none when the changes are within the
// tolerance or nothing more can be halved.
std::optional<std::size_t> next_to_halve(const std::vector<Stretch>& stretches,
                                         const std::vector<Step>& steps,
                                         const TimeRefinement& refinement, int solved) {
  double total = 0.0, change = 0.0;
  for (const Stretch& s : stretches) {
    total += s.fine;
    change += stretch_change(s);
  }
  std::optional<std::size_t> pick;
  double largest = -1.0;
  for (std::size_t i = 0; i < stretches.size(); ++i) {
    const Stretch& s = stretches[i];
    if (s.fall || s.stuck || s.halvings >= refinement.max_halvings ||
        solved + static_cast<int>(halfway_count(steps, s)) > refinement.max_states) {
      continue;
    }
    if (!s.has_coarse) return i;
    const double c = stretch_change(s);
    if (c > largest) {
      largest = c;
      pick = i;
    }
  }
  if (change <= refinement.tolerance * total) return std::nullopt;
  return pick;
}

}  // namespace

double linear_flow_time(double air, double flow_from, double flow_to) {
  // air / ((q1 - q0) / ln(q1 / q0)), written through log1p so that it
  // keeps its digits as q1 nears q0 (where it tends to air / q0).
  const double x = (flow_to - flow_from) / flow_from;
  return air / flow_from * (x == 0.0 ? 1.0 : std::log1p(x) / x);
}

Timeline operating_time(const FollowedPath& path, const FlowModel& model,
                        const TimeRefinement& refinement) {
  Timeline timeline;
  timeline.tolerance = refinement.tolerance;
  std::vector<double> unit_flow;
  while (unit_flow.size() < path.states.size()) {
    const double q = model.unit_flow(path.states[unit_flow.size()].state);
    if (!(q > 0.0) || !std::isfinite(q)) {
      timeline.limit.reached = true;
      timeline.limit.state = unit_flow.size();
      break;
    }
    unit_flow.push_back(q);
  }
  const std::size_t count = unit_flow.size();
  const Direction direction = path.direction;
  std::vector<Step> steps;
  for (std::size_t k = 0; k + 1 < count; ++k) {
    steps.push_back({{path.states[k].state, unit_flow[k]}, {path.states[k + 1].state, unit_flow[k + 1]}});
  }
  std::vector<Stretch> stretches = stretches_of(path, count);
  for (Stretch& s : stretches) {
    if (s.fall) {
      for (std::size_t k = s.first; k < s.last; ++k) steps[k].clear();
      s.has_coarse = true;
      continue;
    }
    s.fine = stretch_time(direction, steps, s);
    if (s.last - s.first == 2) {
      s.has_coarse = true;
      s.coarse = node_time(direction, steps[s.first].front(), steps[s.first + 1].back());
    }
  }
  // Up to a limit of the flow the time grows without bound and is not
  // given (the printout says so), so it is not refined.
  if (refinement.halfway && !timeline.limit.reached) {
    while (const std::optional<std::size_t> i =
               next_to_halve(stretches, steps, refinement, timeline.states_between)) {
      Stretch& s = stretches[*i];
      const int added = static_cast<int>(halfway_count(steps, s));
      if (!halve(s, steps, model, refinement)) {
        s.stuck = true;
        continue;
      }
      timeline.states_between += added;
      s.earlier = s.has_coarse ? s.coarse - s.fine : 0.0;
      ++s.halvings;
      s.has_coarse = true;
      s.coarse = s.fine;
      s.fine = stretch_time(direction, steps, s);
    }
  }
  double unit = 0.0, coarse = 0.0, change = 0.0;
  bool compared = true;
  for (std::size_t k = 0; k < count; ++k) {
    if (k > 0) unit += step_time(direction, steps[k - 1]);
    // Divided by the scale only here: the time of a valve twice the size
    // is exactly half, from the same path.
    timeline.seconds.push_back(unit / model.scale);
    timeline.flow.push_back(unit_flow[k] * model.scale);
  }
  for (const Stretch& s : stretches) {
    compared = compared && s.has_coarse;
    coarse += s.has_coarse ? s.coarse : s.fine;
    change += stretch_change(s);
  }
  if (count > 0) timeline.total = timeline.seconds.back();
  timeline.total_coarse = coarse / model.scale;
  timeline.change = change / model.scale;
  timeline.accurate = compared && change <= refinement.tolerance * unit;
  return timeline;
}

std::vector<std::pair<double, double>> intervals_above(const FollowedPath& path,
                                                       const Timeline& timeline,
                                                       double threshold_p_abs) {
  std::vector<std::pair<double, double>> intervals;
  const std::size_t count = timeline.seconds.size();
  bool open = false;
  double from = 0.0;
  for (std::size_t k = 0; k < count; ++k) {
    const double p = path.states[k].state.p_abs;
    const bool above = p > threshold_p_abs;
    if (above == open) continue;
    double at = timeline.seconds[k];
    if (k > 0) {
      const double p0 = path.states[k - 1].state.p_abs;
      const double w = (threshold_p_abs - p0) / (p - p0);
      at = timeline.seconds[k - 1] + w * (timeline.seconds[k] - timeline.seconds[k - 1]);
    }
    if (above) {
      from = at;
    } else {
      intervals.push_back({from, at});
    }
    open = above;
  }
  if (open) intervals.push_back({from, timeline.seconds.back()});
  return intervals;
}

}  // namespace operation
}  // namespace tqweir
