// The time the leaf takes along its followed path: the air moved divided by
// the flow, integrated state to state, with the flow given for a unit
// valve (or blower) so that one path gives the time of any size.
#ifndef TQWEIR_OPERATION_OPERATING_TIME_H_
#define TQWEIR_OPERATION_OPERATING_TIME_H_

#include <functional>
#include <optional>
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

// Solving states between the followed ones where the time needs them.
// Each stretch of the path (two steps between every second state, or one
// step where a fold or an end leaves one) is halved step by step, all its
// steps at once, until the time over every second state and the time over
// every state agree within `tolerance` of the whole time.
struct TimeRefinement {
  // The state halfway (in its stage's unknown) between two followed states
  // next to each other; none where the model has no state there.
  std::function<std::optional<PathState>(const PathState&, const PathState&)> halfway;
  double tolerance = 1e-3;  // relative to the whole time
  int max_halvings = 10;    // of one stretch
  int max_states = 1000;    // solved between the followed states, in all
};

struct Timeline {
  std::vector<double> seconds;  // per followed state reached, from 0
  std::vector<double> flow;     // m^3/s per metre, free air, at each state
  FlowLimit limit;
  double total = 0.0;           // s, to the last state reached
  // The same integral over every second state of the finest states (folds
  // and ends kept): its change against `total` measures the error of the
  // spacing.
  double total_coarse = 0.0;
  // The changes from the coarser spacing, stretch by stretch, added up
  // without their signs (s): the measure of the time's accuracy, which
  // `total_coarse` alone understates where changes of either sign cancel.
  double change = 0.0;
  int states_between = 0;       // solved between the followed states
  // Every stretch has a coarser time to compare with, and `change` is
  // within the refinement's tolerance of `total`.
  bool accurate = false;
  double tolerance = 0.0;       // relative, that `accurate` refers to
};

// The integral of d(air) / flow along `path`, step by step exact for a flow
// linear in the air between two states: the air moved divided by the
// logarithmic mean of the two flows. It is exact for the choked exhaust of
// a bag of constant area and for a blower whose delivery falls linearly
// with the pressure, and stays finite and close where the flow nears 0
// (towards the blower's shut-off), where the mean of 1 / flow does not. A
// fold takes no time: the air does not change while the leaf falls.
// Without `refinement` (or its `halfway`) the followed states alone are used.
Timeline operating_time(const FollowedPath& path, const FlowModel& flow,
                        const TimeRefinement& refinement = TimeRefinement());

// The time (unit scale) to move `air` (m^3/m) with the flow linear in the
// air from `flow_from` to `flow_to` (both above 0): air over their
// logarithmic mean.
double linear_flow_time(double air, double flow_from, double flow_to);

// The stretches of the timeline over which the bag's absolute pressure is
// above `threshold_p_abs` (Pa), each end by linear interpolation in the
// pressure between two states, as [from, to] pairs in seconds.
std::vector<std::pair<double, double>> intervals_above(const FollowedPath& path,
                                                       const Timeline& timeline,
                                                       double threshold_p_abs);

}  // namespace operation
}  // namespace tqweir

#endif  // TQWEIR_OPERATION_OPERATING_TIME_H_
