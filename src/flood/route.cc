#include "flood/route.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "flood/crossing.h"
#include "flood/number_cell.h"
#include "flood/route_stepper.h"
#include "flood/route_stop.h"

namespace tqweir {
namespace flood {
namespace {

// Storage (m3), air (m3/m), outflow volume (m3): the outflow's volume is
// integrated with the same steps, so the balance closes to the stepper's
// own error rather than to a quadrature of the printed points.
using State = RouteState;

struct Router {
  const RouteInput& in;
  const RouteSettings& settings;
  Route result;
  std::size_t piece = 0;  // the hydrograph's piece being integrated
  double next_output = 0.0;
  long step_limit = 0;

  double other(double level) const {
    return in.other_outflow == nullptr ? 0.0 : table_value(*in.other_outflow, level);
  }

  RoutePoint point(double t, const State& x) {
    RoutePoint p;
    p.time = t;
    p.storage = x[0];
    p.level = in.pond->level(x[0]);
    p.inflow = piece_inflow(*in.inflow, piece, t);
    p.outflow = in.gate->outflow(p.level, x[1]);
    p.other_outflow = other(p.level);
    p.air = x[1];
    if (!std::isfinite(p.outflow) || !std::isfinite(p.level)) {
      throw RouteStop("the outflow at level " + shown_number(p.level) + " m is not finite");
    }
    return p;
  }

  void derivative(const State& x, State& dxdt, double t) {
    ++result.evaluations;
    const RoutePoint p = point(t, x);
    const double air_rate = in.air_rate ? in.air_rate(t, p.level, x[1]) : 0.0;
    if (!std::isfinite(air_rate)) throw RouteStop("the air rate is not finite");
    dxdt = {p.inflow - p.outflow - p.other_outflow, air_rate, p.outflow + p.other_outflow};
  }

  double net_rate(double t, const State& x) {
    State dxdt;
    derivative(x, dxdt, t);
    return dxdt[0];
  }

  // The events crossed in (t0, t1], in time order, each located to the
  // settings' tolerance on the dense output.
  std::vector<EventHit> events_in(RouteStepper& stepper, double t0, double t1) {
    std::vector<EventHit> hits;
    const State a = stepper.state_at(t0), b = stepper.state_at(t1);
    const double la = in.pond->level(a[0]), lb = in.pond->level(b[0]);
    for (const LevelEvent& e : in.events) {
      auto g = [&e](double level, double air) {
        return e.crossing ? e.crossing(level, air) : level - e.level;
      };
      const double ga = g(la, a[1]), gb = g(lb, b[1]);
      const bool rising = ga < 0.0 && gb >= 0.0;
      const bool falling = ga > 0.0 && gb <= 0.0;
      if (!((rising && e.direction >= 0) || (falling && e.direction <= 0))) continue;
      const double sign = rising ? 1.0 : -1.0;
      const double t = crossing_time(
          [&](double s) {
            const State x = stepper.state_at(s);
            return sign * g(in.pond->level(x[0]), x[1]);
          },
          t0, t1, settings.event_tolerance);
      const State x = stepper.state_at(t);
      hits.push_back({e.name, t, in.pond->level(x[0]), x[1]});
    }
    std::sort(hits.begin(), hits.end(),
              [](const EventHit& p, const EventHit& q) { return p.time < q.time; });
    return hits;
  }

  void keep_peak(const RoutePoint& p) {
    if (p.level > result.peak.level) result.peak = p;
  }

  // The peak inside (t0, t1]: where the net inflow turns from rising
  // storage to falling, found on the dense output.
  void locate_peak(RouteStepper& stepper, double t0, double t1) {
    if (!(net_rate(t0, stepper.state_at(t0)) > 0.0 && net_rate(t1, stepper.state_at(t1)) <= 0.0)) {
      return;
    }
    const double t = crossing_time(
        [&](double s) { return -net_rate(s, stepper.state_at(s)); }, t0, t1,
        settings.event_tolerance);
    keep_peak(point(t, stepper.state_at(t)));
  }

  void output(RouteStepper& stepper, double t0, double t1, bool last) {
    if (settings.output_step <= 0.0) {
      result.points.push_back(point(t1, stepper.state_at(t1)));
      return;
    }
    for (int i = 0; next_output <= t1 && i < 1000000; ++i) {
      if (next_output > t0) result.points.push_back(point(next_output, stepper.state_at(next_output)));
      next_output += settings.output_step;
    }
    if (last && result.points.back().time < t1) {
      result.points.push_back(point(t1, stepper.state_at(t1)));
    }
  }

  // One step of `stepper`, within the piece ending at `end`, and what it
  // covers: the events (the first that changes the model ends the step
  // there), the peak, the points. Returns the time the solution is good up to.
  double step(RouteStepper& stepper, double end, bool& restart) {
    if (result.steps >= step_limit) {
      throw RouteStop("more than " + std::to_string(step_limit) + " steps");
    }
    stepper.step(end);
    ++result.steps;
    result.stiff_from = stepper.stiff_from();
    const double t0 = stepper.previous_time();
    double t1 = stepper.time();
    restart = false;
    for (const EventHit& hit : events_in(stepper, t0, t1)) {
      result.events.push_back(hit);
      if (in.on_event && in.on_event(hit)) {
        t1 = hit.time;
        restart = true;
        break;
      }
    }
    locate_peak(stepper, t0, t1);
    output(stepper, t0, t1, restart || t1 >= end);
    keep_peak(point(t1, stepper.state_at(t1)));
    return t1;
  }

  // Integrates the current piece from (t, x) to `end`, starting afresh
  // after every event that changes the model; returns the state at `end`.
  State run_piece(RouteStepper& stepper, double& t, State x, double end) {
    for (std::size_t restarts = 0; restarts <= in.events.size() * 1000 + 1; ++restarts) {
      stepper.start(t, x);
      bool restart = false;
      while (!restart && t < end) t = step(stepper, end, restart);
      x = stepper.state_at(t);
      if (!restart) return x;
    }
    throw RouteStop("the rule's levels were crossed too often");
  }

  void run() {
    const Hydrograph& h = *in.inflow;
    const double end = in.end_time < 0.0 ? h.seconds.back() : in.end_time;
    if (!(end > h.seconds.front() && end <= h.seconds.back())) {
      throw RouteStop("the end " + shown_number(end / 3600.0) + " h is not inside the hydrograph");
    }
    double t = h.seconds.front();
    State x{in.pond->storage(in.start_level), in.start_air, 0.0};
    RouteStepper stepper(settings,
                         [this](const State& y, State& dydt, double s) { derivative(y, dydt, s); },
                         settings.first_step);
    // Every piece takes a step of its own: those do not count against the limit.
    const std::size_t pieces = static_cast<std::size_t>(
        std::lower_bound(h.seconds.begin(), h.seconds.end(), end) - h.seconds.begin());
    step_limit = settings.max_steps + static_cast<long>(pieces);
    next_output = t;
    result.points.push_back(point(t, x));
    result.peak = result.points.back();
    next_output += settings.output_step;
    for (piece = 0; piece < piece_count(h) && t < end; ++piece) {
      const double piece_end = std::min(h.seconds[piece + 1], end);
      if (piece_end > t) x = run_piece(stepper, t, x, piece_end);
    }
    result.inflow_volume = inflow_volume(h, h.seconds.front(), end);
    result.outflow_volume = x[2];
    if (stepper.stiff_from() >= 0.0) {
      // The volume by the balance from where the stiff method took over:
      // the inflow's, exact for its rows, less what the pond stored.
      const State& from = stepper.stiff_start();
      result.outflow_volume = from[2] + inflow_volume(h, stepper.stiff_from(), end) - (x[0] - from[0]);
    }
    result.finished = true;
  }
};

}  // namespace

Route route(const RouteInput& input, const RouteSettings& settings) {
  Router router{input, settings, Route{}};
  try {
    router.run();
  } catch (const std::runtime_error& e) {
    // RouteStop, and the stepper's own errors (a step it cannot make small
    // enough).
    const double t = router.result.points.empty() ? 0.0 : router.result.points.back().time;
    router.result.finished = false;
    router.result.stop = std::string(e.what()) + " (after " + shown_number(t / 3600.0) + " h)";
  }
  return router.result;
}

}  // namespace flood
}  // namespace tqweir
