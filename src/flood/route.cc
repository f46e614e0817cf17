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

// Storage (m3), each gate's air (m3/m), outflow volume (m3): the outflow's
// volume is integrated with the same steps, so the balance closes to the
// stepper's own error rather than to a quadrature of the printed points.
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

  // The discharge over every gate's leaf at `level`, each at its own air.
  double gates_outflow(double level, const std::vector<double>& airs) const {
    double q = in.gates[0]->outflow(level, airs[0]);
    for (std::size_t g = 1; g < airs.size(); ++g) q += in.gates[g]->outflow(level, airs[g]);
    return q;
  }

  RoutePoint point(double t, const State& x) {
    RoutePoint p;
    p.time = t;
    p.storage = x[0];
    p.level = in.pond->level(x[0]);
    p.inflow = piece_inflow(*in.inflow, piece, t);
    p.airs.assign(x.begin() + 1, x.begin() + static_cast<std::ptrdiff_t>(volume_index(x)));
    p.outflow = gates_outflow(p.level, p.airs);
    p.other_outflow = other(p.level);
    if (in.fixed_outflow) p.fixed_outflow = in.fixed_outflow(p.level, p.outflow);
    if (!std::isfinite(p.outflow) || !std::isfinite(p.level) || !std::isfinite(p.fixed_outflow)) {
      throw RouteStop("the outflow at level " + shown_number(p.level) + " m is not finite");
    }
    return p;
  }

  void derivative(const State& x, State& dxdt, double t) {
    ++result.evaluations;
    const RoutePoint p = point(t, x);
    dxdt.resize(x.size());
    dxdt[0] = p.inflow - p.outflow - p.other_outflow - p.fixed_outflow;
    for (std::size_t g = 0; g < p.airs.size(); ++g) {
      const double air_rate = in.air_rate ? in.air_rate(t, p.level, g, p.airs[g]) : 0.0;
      if (!std::isfinite(air_rate)) throw RouteStop("the air rate is not finite");
      dxdt[air_index(g)] = air_rate;
    }
    dxdt[volume_index(x)] = p.outflow + p.other_outflow + p.fixed_outflow;
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
      const std::size_t air = air_index(e.gate);
      const double ga = g(la, a[air]), gb = g(lb, b[air]);
      const bool rising = ga < 0.0 && gb >= 0.0;
      const bool falling = ga > 0.0 && gb <= 0.0;
      if (!((rising && e.direction >= 0) || (falling && e.direction <= 0))) continue;
      const double sign = rising ? 1.0 : -1.0;
      const double t = crossing_time(
          [&](double s) {
            const State x = stepper.state_at(s);
            return sign * g(in.pond->level(x[0]), x[air]);
          },
          t0, t1, settings.event_tolerance);
      const State x = stepper.state_at(t);
      hits.push_back({e.what, e.gate, t, in.pond->level(x[0]), x[air]});
    }
    // Events met at one instant in the order given: gate by gate.
    std::stable_sort(hits.begin(), hits.end(),
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
  // there, after every other event met at that same instant: identical
  // gates meet theirs together), the peak, the points. Returns the time the
  // solution is good up to.
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
      if (restart && hit.time > t1) break;
      result.events.push_back(hit);
      if (in.on_event && in.on_event(hit) && !restart) {
        t1 = hit.time;
        restart = true;
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

  // The gates the route was given, each with its air, and the events' gates.
  void check_gates() const {
    if (in.gates.empty() || in.start_airs.size() != in.gates.size()) {
      throw RouteStop("the route has " + std::to_string(in.gates.size()) + " gates and " +
                      std::to_string(in.start_airs.size()) + " starting airs");
    }
    for (const LevelEvent& e : in.events) {
      if (e.gate >= in.gates.size()) {
        throw RouteStop("an event of gate " + std::to_string(e.gate + 1) + " of " +
                        std::to_string(in.gates.size()));
      }
    }
  }

  void run() {
    check_gates();
    const Hydrograph& h = *in.inflow;
    const double end = in.end_time < 0.0 ? h.seconds.back() : in.end_time;
    if (!(end > h.seconds.front() && end <= h.seconds.back())) {
      throw RouteStop("the end " + shown_number(end / 3600.0) + " h is not inside the hydrograph");
    }
    double t = h.seconds.front();
    State x = route_state(in.pond->storage(in.start_level), in.start_airs, 0.0);
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
    result.outflow_volume = x[volume_index(x)];
    if (stepper.stiff_from() >= 0.0) {
      // The volume by the balance from where the stiff method took over:
      // the inflow's, exact for its rows, less what the pond stored.
      const State& from = stepper.stiff_start();
      result.outflow_volume =
          from[volume_index(from)] + inflow_volume(h, stepper.stiff_from(), end) - (x[0] - from[0]);
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
