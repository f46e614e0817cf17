#include "flood/route.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

#include <boost/numeric/odeint.hpp>

#include "flood/crossing.h"
#include "flood/number_cell.h"
#include "flood/route_stop.h"

namespace tqweir {
namespace flood {
namespace {

namespace odeint = boost::numeric::odeint;

// Storage (m3), air (m3/m), outflow volume (m3): the outflow's volume is
// integrated with the same steps, so the balance closes to the stepper's
// own error rather than to a quadrature of the printed points.
using State = std::array<double, 3>;
using Controlled = odeint::controlled_runge_kutta<odeint::runge_kutta_dopri5<State>>;
using Stepper = odeint::dense_output_runge_kutta<Controlled>;

bool finite(const State& x) {
  return std::isfinite(x[0]) && std::isfinite(x[1]) && std::isfinite(x[2]);
}

struct Router {
  const RouteInput& in;
  const RouteSettings& settings;
  Route result;
  std::size_t piece = 0;  // the hydrograph's piece being integrated
  double next_output = 0.0;

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
  std::vector<EventHit> events_in(Stepper& stepper, double t0, double t1) {
    std::vector<EventHit> hits;
    State a, b;
    stepper.calc_state(t0, a);
    stepper.calc_state(t1, b);
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
      State x;
      const double t = crossing_time(
          [&](double s) {
            stepper.calc_state(s, x);
            return sign * g(in.pond->level(x[0]), x[1]);
          },
          t0, t1, settings.event_tolerance);
      stepper.calc_state(t, x);
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
  void locate_peak(Stepper& stepper, double t0, double t1) {
    State a, b;
    stepper.calc_state(t0, a);
    stepper.calc_state(t1, b);
    if (!(net_rate(t0, a) > 0.0 && net_rate(t1, b) <= 0.0)) return;
    State x;
    const double t = crossing_time(
        [&](double s) {
          stepper.calc_state(s, x);
          return -net_rate(s, x);
        },
        t0, t1, settings.event_tolerance);
    stepper.calc_state(t, x);
    keep_peak(point(t, x));
  }

  void output(Stepper& stepper, double t0, double t1, bool last) {
    State x;
    if (settings.output_step <= 0.0) {
      stepper.calc_state(t1, x);
      result.points.push_back(point(t1, x));
      return;
    }
    for (int i = 0; next_output <= t1 && i < 1000000; ++i) {
      if (next_output > t0) {
        stepper.calc_state(next_output, x);
        result.points.push_back(point(next_output, x));
      }
      next_output += settings.output_step;
    }
    if (last && result.points.back().time < t1) {
      stepper.calc_state(t1, x);
      result.points.push_back(point(t1, x));
    }
  }

  // One step of `stepper` and what it covers up to `end`: the events (the
  // first that changes the model ends the step there), the peak, the
  // points. Returns the time the stepper's solution is good up to.
  template <class System>
  double step(Stepper& stepper, System& system, double end, bool& restart) {
    if (result.steps >= settings.max_steps) {
      throw RouteStop("more than " + std::to_string(settings.max_steps) + " steps");
    }
    const std::pair<double, double> span = stepper.do_step(system);
    ++result.steps;
    if (!finite(stepper.current_state())) throw RouteStop("a step gave a value that is not finite");
    const double t0 = span.first;
    double t1 = std::min(span.second, end);
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
    State x;
    stepper.calc_state(t1, x);
    keep_peak(point(t1, x));
    return t1;
  }

  // Integrates the current piece from (t, x) to `end`, starting afresh
  // after every event that changes the model; returns the state at `end`.
  State run_piece(double& t, State x, double end, double& dt) {
    auto system = [this](const State& y, State& dydt, double s) { derivative(y, dydt, s); };
    for (std::size_t restarts = 0; restarts <= in.events.size() * 1000 + 1; ++restarts) {
      Stepper stepper = odeint::make_dense_output(settings.absolute_tolerance,
                                                  settings.relative_tolerance, settings.max_step,
                                                  odeint::runge_kutta_dopri5<State>());
      stepper.initialize(x, t, dt);
      bool restart = false;
      while (!restart && t < end) t = step(stepper, system, end, restart);
      stepper.calc_state(t, x);
      dt = std::min(stepper.current_time_step(), settings.max_step);
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
    double dt = settings.first_step;
    State x{in.pond->storage(in.start_level), in.start_air, 0.0};
    next_output = t;
    result.points.push_back(point(t, x));
    result.peak = result.points.back();
    next_output += settings.output_step;
    for (piece = 0; piece < piece_count(h) && t < end; ++piece) {
      const double piece_end = std::min(h.seconds[piece + 1], end);
      if (piece_end > t) x = run_piece(t, x, piece_end, dt);
    }
    result.inflow_volume = inflow_volume(h, h.seconds.front(), end);
    result.outflow_volume = x[2];
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
