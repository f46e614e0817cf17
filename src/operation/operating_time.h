// The time the leaf takes along its followed path: the air moved divided by
// the flow, integrated state to state, with the flow given for a unit
// valve (or blower) so that one path gives the time of any size.
#ifndef TQWEIR_OPERATION_OPERATING_TIME_H_
#define TQWEIR_OPERATION_OPERATING_TIME_H_

#include <functional>
#include <vector>

#include "operation/followed_path.h"

namespace tqweir {
namespace operation {

// The flow that moves the air, per metre of span, as free air (m^3/s at
// atmospheric pressure): `unit_flow(state)` at scale 1, times `scale`
// (the valve's Cd * A in m^2, or the factor on a blower's curve). Where
// `unit_flow` is not above 0 nothing moves and the path ends there.
struct FlowModel {
  std::function<double(const PathState&)> unit_flow;
  double scale = 1.0;
};

// Where the flow ends before the path does.
struct FlowLimit {
  bool reached = false;
  std::size_t state = 0;  // the first followed state without flow
};

struct Timeline {
  std::vector<double> seconds;  // per followed state reached, from 0
  std::vector<double> flow;     // m^3/s per metre, free air, at each state
  FlowLimit limit;
  double total = 0.0;           // s, to the last state reached
  // The same integral over every second state (folds and ends kept): its
  // change against `total` measures the error of the path's spacing.
  double total_coarse = 0.0;
};

// The integral of d(air) / flow along `path`, by the trapezoid rule in
// the air (the flow changes smoothly with the pressure, and the air is the
// measure the time is counted in). A fold takes no time: the air does not
// change while the leaf falls.
Timeline operating_time(const FollowedPath& path, const FlowModel& flow);

// The stretches of the timeline over which the bag's absolute pressure is
// above `threshold_p_abs` (Pa), each end by linear interpolation in the
// pressure between two states, as [from, to] pairs in seconds.
std::vector<std::pair<double, double>> intervals_above(const FollowedPath& path,
                                                       const Timeline& timeline,
                                                       double threshold_p_abs);

}  // namespace operation
}  // namespace tqweir

#endif  // TQWEIR_OPERATION_OPERATING_TIME_H_
