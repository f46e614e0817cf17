#include "flood/route_stepper.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <string>
#include <utility>

#include <boost/numeric/odeint.hpp>

#include "flood/route_stop.h"

namespace tqweir {
namespace flood {
namespace {

namespace odeint = boost::numeric::odeint;
using Explicit = odeint::controlled_runge_kutta<odeint::runge_kutta_dopri5<RouteState>>;
using Stiff = odeint::rosenbrock4_controller<odeint::rosenbrock4<double>>;
using Vector = Stiff::state_type;
using Matrix = odeint::rosenbrock4<double>::matrix_type;

// Hairer's test: h lambda beyond the explicit method's stability boundary
// on this many accepted steps makes the pond stiff; this many steps within
// it in a row start the count again.
constexpr double kStabilityBoundary = 3.25;
constexpr int kStiffSteps = 15;
constexpr int kNonStiffSteps = 6;
// Trials of one step, as Boost.Odeint's own failed-step limit.
constexpr int kMaxTrials = 500;
// A stopped trial is tried again this much shorter (the stop says nothing
// of how far it is).
constexpr double kStopShrink = 0.25;
// The relative step of the Jacobian's finite differences.
const double kDifference = std::sqrt(DBL_EPSILON);

bool finite(const RouteState& x) {
  return std::all_of(x.begin(), x.end(), [](double v) { return std::isfinite(v); });
}

// The length of the difference of `a` and `b` in storage and airs (the
// outflow's volume, driven by the others, left out), taken a component at
// a time so that no square overflows.
double distance(const RouteState& a, const RouteState& b) {
  double d = std::fabs(a[0] - b[0]);
  for (std::size_t i = 1; i < volume_index(a); ++i) d = std::hypot(d, a[i] - b[i]);
  return d;
}

}  // namespace

struct RouteStepper::Methods {
  Explicit dopri;
  Stiff rosenbrock;
  // The right-hand side's last two evaluations in an explicit trial: its
  // sixth stage and the new state, both at the step's end.
  RouteState stage_x, stage_f, last_x, last_f;
};

RouteStepper::RouteStepper(const RouteSettings& settings, RouteSystem system, double first_step)
    : settings_(settings),
      system_(std::move(system)),
      methods_(new Methods{
          Explicit(Explicit::error_checker_type(settings.absolute_tolerance,
                                                settings.relative_tolerance),
                   Explicit::step_adjuster_type(settings.max_step)),
          Stiff(settings.absolute_tolerance, settings.relative_tolerance, settings.max_step),
          {}, {}, {}, {}}),
      dt_(first_step) {}

RouteStepper::~RouteStepper() = default;

void RouteStepper::start(double t, const RouteState& x) {
  t_ = t_old_ = t;
  x_ = x_old_ = x;
  if (!stiff_) system_(x_, dxdt_, t_);  // the explicit method's first stage
}

void RouteStepper::step(double end) {
  for (int trial = 0; trial < kMaxTrials; ++trial) {
    const bool to_end = dt_ >= end - t_;
    const double h = to_end ? end - t_ : dt_;
    double next = h;
    bool accepted = false;
    try {
      accepted = stiff_ ? try_stiff(next, t_ + h) : try_explicit(next);
    } catch (const RouteStop&) {
      if (h <= settings_.shortest_step) throw;
      dt_ = std::max(kStopShrink * h, settings_.shortest_step);
      continue;
    }
    if (!accepted) {
      dt_ = next;
      continue;
    }
    t_old_ = t_;
    t_ = to_end ? end : std::min(t_ + h, end);
    // A step cut short at `end` says nothing against the longer one.
    dt_ = to_end ? std::max(next, dt_) : next;
    if (!last_stiff_) watch_stiffness(h);
    return;
  }
  throw RouteStop("no step met the tolerance in " + std::to_string(kMaxTrials) + " trials");
}

bool RouteStepper::try_explicit(double& dt) {
  Methods& m = *methods_;
  auto system = [this, &m](const RouteState& x, RouteState& dxdt, double t) {
    system_(x, dxdt, t);
    m.stage_x = m.last_x;
    m.stage_f = m.last_f;
    m.last_x = x;
    m.last_f = dxdt;
  };
  double t = t_;
  RouteState out(x_.size()), dxdt_out(x_.size());
  if (m.dopri.try_step(system, x_, dxdt_, t, out, dxdt_out, dt) == odeint::fail) return false;
  if (!finite(out)) throw RouteStop("a step gave a value that is not finite");
  x_old_ = x_;
  dxdt_old_ = dxdt_;
  x_ = out;
  dxdt_ = dxdt_out;
  last_stiff_ = false;
  return true;
}

void RouteStepper::watch_stiffness(double h) {
  const Methods& m = *methods_;
  if (m.last_x.empty() || m.stage_x.empty()) return;
  const double df = distance(m.last_f, m.stage_f);
  const double dx = distance(m.last_x, m.stage_x);
  if (!(dx > 0.0)) return;
  if (h * df / dx > kStabilityBoundary) {
    non_stiff_steps_ = 0;
    if (++stiff_steps_ == kStiffSteps) stiff_ = true;
  } else if (++non_stiff_steps_ == kNonStiffSteps) {
    stiff_steps_ = 0;
  }
}

bool RouteStepper::try_stiff(double& dt, double end) {
  Methods& m = *methods_;
  // The stepper's variables: the storage in units of its own tolerance,
  // and each gate's air. The outflow's volume is left out: order reduction
  // of the method puts errors of the order of its step into a component
  // driven by the stiff one; route() closes it by the balance instead.
  const std::size_t n = volume_index(x_);
  const double scale = settings_.stiff_storage_tolerance / settings_.absolute_tolerance;
  const double volume = x_[n];
  auto state = [&](const Vector& u) {
    RouteState x(n + 1);
    x[0] = u[0] * scale;
    for (std::size_t i = 1; i < n; ++i) x[i] = u[i];
    x[n] = volume;
    return x;
  };
  RouteState f0;  // the right-hand side at (u0, t0), kept for the Jacobian
  Vector u0;
  double t0 = 0.0;
  auto deriv = [&](const Vector& u, Vector& dudt, double t) {
    system_(state(u), f0, t);
    dudt[0] = f0[0] / scale;
    for (std::size_t i = 1; i < n; ++i) dudt[i] = f0[i];
    u0 = u;
    t0 = t;
  };
  auto same = [&](const Vector& u, double t) {
    if (u0.size() != u.size() || t != t0) return false;
    for (std::size_t i = 0; i < n; ++i) {
      if (u[i] != u0[i]) return false;
    }
    return true;
  };
  // Forward differences in storage, each air and time, the time's inside
  // the trial step.
  auto jacobian = [&](const Vector& u, Matrix& jac, double t, Vector& dfdt) {
    if (!same(u, t)) deriv(u, dfdt, t);
    const RouteState at = f0;
    RouteState f;
    for (std::size_t j = 0; j < n; ++j) {
      Vector shifted = u;
      shifted[j] += kDifference * std::max(std::fabs(u[j]), 1.0);
      system_(state(shifted), f, t);
      const double du = shifted[j] - u[j];
      jac(0, j) = (f[0] - at[0]) / scale / du;
      for (std::size_t i = 1; i < n; ++i) jac(i, j) = (f[i] - at[i]) / du;
    }
    const double later = t + std::min(kDifference * std::max(std::fabs(t), 1.0), 0.5 * (end - t));
    system_(state(u), f, later);
    dfdt[0] = (f[0] - at[0]) / scale / (later - t);
    for (std::size_t i = 1; i < n; ++i) dfdt[i] = (f[i] - at[i]) / (later - t);
  };
  Vector v(n);
  v[0] = x_[0] / scale;
  for (std::size_t i = 1; i < n; ++i) v[i] = x_[i];
  Vector out(n);
  double t = t_;
  if (m.rosenbrock.try_step(std::make_pair(deriv, jacobian), v, t, out, dt) == odeint::fail) {
    return false;
  }
  const RouteState x = state(out);
  if (!finite(x)) throw RouteStop("a step gave a value that is not finite");
  if (stiff_from_ < 0.0) {
    stiff_from_ = t_;
    stiff_start_ = x_;
  }
  x_old_ = x_;
  x_ = x;
  last_stiff_ = true;
  return true;
}

RouteState RouteStepper::state_at(double t) {
  if (t == t_) return x_;
  if (t == t_old_) return x_old_;
  if (!last_stiff_) {
    RouteState x(x_.size());
    methods_->dopri.stepper().calc_state(t, x, x_old_, dxdt_old_, t_old_, x_, dxdt_, t_);
    return x;
  }
  // The Rosenbrock method's own dense output is poor for the stiff
  // storage inside a long step (6 mm off the level in 10-minute steps of a
  // pond of 2 m2); the chord between the step's ends is within 0.4 mm
  // (docs/flood.md).
  const double w = (t - t_old_) / (t_ - t_old_);
  RouteState x = x_;
  for (std::size_t i = 0; i < volume_index(x); ++i) x[i] = x_old_[i] + w * (x_[i] - x_old_[i]);
  return x;
}

}  // namespace flood
}  // namespace tqweir
