// The steps of the route's equations (flood/route.h), one accepted step at
// a time, each ending at or before a time the caller gives (the end of the
// hydrograph's piece), with the step's dense output.
//
// Dormand-Prince 5(4) under error control while the pond is not stiff. A
// pond whose outflow answers a change of its level quickly against its
// area (dQ/dh over the area large: a pond of a few square metres over a
// crest of metres) is stiff: its level settles within a fraction of a
// second, and an explicit step longer than about 3.3 such settling times
// diverges however smooth the solution is, so the explicit stepper crawls.
// The stiffness is detected as in Hairer's DOPRI5 code (Hairer & Wanner,
// Solving ODEs II, IV.2): h lambda above 3.25 on 15 accepted steps, lambda
// estimated from the step's last two stages, both at its end, at no cost.
// From then on the route is stepped by the Rosenbrock method of order 4
// (L-stable; its Jacobian by finite differences), whose steps follow the
// accuracy of the solution and not its stability.
//
// A trial step whose right-hand side stops (RouteStop: the gate has no
// state at the level the trial reached, a table left) or whose result is
// not finite is rejected like a step the error control rejects, and tried
// again a quarter as long; only a trial of the shortest step that still
// stops ends the route, with its reason.
#ifndef TQWEIR_FLOOD_ROUTE_STEPPER_H_
#define TQWEIR_FLOOD_ROUTE_STEPPER_H_

#include <functional>
#include <memory>

#include "flood/route.h"
#include "flood/route_state.h"

namespace tqweir {
namespace flood {

// d(state)/dt at (state, t); throws RouteStop where it has none.
using RouteSystem = std::function<void(const RouteState& x, RouteState& dxdt, double t)>;

class RouteStepper {
 public:
  // Tolerances, longest and shortest step from `settings`.
  RouteStepper(const RouteSettings& settings, RouteSystem system, double first_step);
  ~RouteStepper();
  RouteStepper(const RouteStepper&) = delete;
  RouteStepper& operator=(const RouteStepper&) = delete;

  // Starts afresh at (t, x): the right-hand side changed there (a new piece
  // of the inflow, an action of the rule). The next step's length carries on.
  // REQUIRES: x holds the same gates' airs at every start.
  void start(double t, const RouteState& x);

  // One accepted step from time() to at most `end` (s), no trial reaching
  // past it. Throws the last trial's RouteStop when the shortest step
  // still stops, or RouteStop when 500 trials in a row are rejected.
  void step(double end);

  double time() const { return t_; }
  double previous_time() const { return t_old_; }
  const RouteState& state() const { return x_; }

  // The state at `t` (s) inside the last step, on its dense output.
  RouteState state_at(double t);

  // When (s) and from which state the first Rosenbrock step went; below 0:
  // none yet. From there on the state's outflow volume stays as it was.
  double stiff_from() const { return stiff_from_; }
  const RouteState& stiff_start() const { return stiff_start_; }

 private:
  struct Methods;
  // One trial of `dt` (s) from time(); true and the step taken when
  // accepted; `dt` becomes the next trial's length. `end` (s): the trial's end.
  bool try_explicit(double& dt);
  bool try_stiff(double& dt, double end);
  void watch_stiffness(double dt);

  RouteSettings settings_;
  RouteSystem system_;
  std::unique_ptr<Methods> methods_;
  double t_ = 0.0, t_old_ = 0.0, dt_ = 0.0;
  RouteState x_{}, dxdt_{}, x_old_{}, dxdt_old_{};
  bool stiff_ = false;        // the Rosenbrock method steps from now on
  bool last_stiff_ = false;   // the last accepted step was a Rosenbrock step
  double stiff_from_ = -1.0;
  RouteState stiff_start_{};
  int stiff_steps_ = 0, non_stiff_steps_ = 0;
};

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_ROUTE_STEPPER_H_
