// The quasi-static path of one load case: from the raised leaf with the
// stopper at the case's tension, the stopper slackening to 0 at the raised
// angle, then the leaf going down to the lowered angle. Each state is the
// solve of its inputs; the path does not depend on how fast air moves.
#ifndef TQWEIR_OPERATION_QUASI_STATIC_PATH_H_
#define TQWEIR_OPERATION_QUASI_STATIC_PATH_H_

#include <vector>

#include "operation/path_state.h"

namespace tqweir {
namespace operation {

struct PathSettings {
  // Equal steps of the tension from the case's to 0. Along the stopper
  // stage the air is close to linear in the tension.
  int tension_intervals = 8;
  // Largest step of the angle (degree), and most steps: the time integral
  // changes by far less than 0.1 % when the step is halved (docs/operate.md),
  // and the step must be short enough for a fold to show between states.
  double angle_step = 0.5;
  int max_angle_intervals = 400;
  // Narrowing of where the runs begin to stop (degree or kN).
  double boundary_tolerance = 1e-4;
  int max_boundary_solves = 60;
  // The tailwater following each state's discharge; without its level the
  // case's hd_nd holds along the path.
  Tailwater tailwater;
};

struct QuasiStaticPath {
  CaseInput input;            // the load case: raised angle and stopper tension
  double lowered_angle = 0.0;
  std::vector<PathState> states;  // finished, in lowering order
  // The model has no state below the last one: the run just past it stops.
  bool stopped = false;
  PathState stop;             // that run (its inputs and message)
  Tailwater tailwater;        // the settings', for the states solved after

  int solves = 0;
};

// The path of `input` down to `lowered_angle`. When the case itself does not
// finish, the path has no states and `stop` is the case.
// REQUIRES: lowered_angle < input.parameter.theta1_deg.
QuasiStaticPath quasi_static_path(const CaseInput& input, double lowered_angle,
                                  const PathSettings& settings = PathSettings());

}  // namespace operation
}  // namespace tqweir

#endif  // TQWEIR_OPERATION_QUASI_STATIC_PATH_H_
