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

// The air moved from a to b in the path's direction; a turn of the solve's
// own fine steps moves none.
double air_moved(const FollowedPath& path, const PathState& a, const PathState& b) {
  const double moved = path.direction == Direction::lower ? a.air - b.air : b.air - a.air;
  return std::max(0.0, moved);
}

// The unit-scale time from state a to state b (indices into path.states).
double step_time(const FollowedPath& path, const std::vector<double>& flow, std::size_t a,
                 std::size_t b) {
  if (is_fall(path.states[a], path.states[b])) return 0.0;
  const double moved = air_moved(path, path.states[a].state, path.states[b].state);
  return moved * (1.0 / flow[a] + 1.0 / flow[b]) / 2.0;
}

// Every state that is not a plain one, both ends, and every second plain
// state between them.
std::vector<std::size_t> coarse_states(const FollowedPath& path, std::size_t count) {
  std::vector<std::size_t> kept;
  bool skip = false;
  for (std::size_t k = 0; k < count; ++k) {
    const bool plain = path.states[k].mark == Mark::state && k != 0 && k + 1 != count;
    if (plain && skip) {
      skip = false;
      continue;
    }
    skip = plain;
    kept.push_back(k);
  }
  return kept;
}

}  // namespace

Timeline operating_time(const FollowedPath& path, const FlowModel& model) {
  Timeline timeline;
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
  double unit = 0.0;
  for (std::size_t k = 0; k < count; ++k) {
    if (k > 0) unit += step_time(path, unit_flow, k - 1, k);
    // Divided by the scale only here: the time of a valve twice the size
    // is exactly half, from the same path.
    timeline.seconds.push_back(unit / model.scale);
    timeline.flow.push_back(unit_flow[k] * model.scale);
  }
  if (count > 0) timeline.total = timeline.seconds.back();
  const std::vector<std::size_t> kept = coarse_states(path, count);
  double coarse = 0.0;
  for (std::size_t k = 1; k < kept.size(); ++k) coarse += step_time(path, unit_flow, kept[k - 1], kept[k]);
  timeline.total_coarse = coarse / model.scale;
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
