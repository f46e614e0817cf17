#include "tools/verify/membrane_ode.h"

#include <algorithm>
#include <cmath>

namespace tqweir {
namespace verify {
namespace {

const double kPi = 3.14159265358979323846;

struct Rates {
  double z, x, s, area;
};

Rates rates(const MembraneModel& m, double psi, const MembranePoint& p) {
  // Radius of curvature; a membrane that goes deeper than its pressure can
  // carry has no equilibrium shape (not a number from here on).
  const double pressure = net_pressure(m, p.z);
  const double r = pressure > 0 ? m.tau / pressure : NAN;
  const double dz = std::sin(psi) * r;
  return {dz, std::cos(psi) * r, r, p.x * dz};
}

MembranePoint moved(const MembranePoint& p, const Rates& k, double h) {
  MembranePoint q = p;
  q.psi = p.psi + h;
  q.z = p.z + h * k.z;
  q.x = p.x + h * k.x;
  q.s = p.s + h * k.s;
  q.area = p.area + h * k.area;
  return q;
}

// One classical Runge-Kutta step of length h in psi.
MembranePoint rk4(const MembraneModel& m, const MembranePoint& p, double h) {
  const Rates k1 = rates(m, p.psi, p);
  const Rates k2 = rates(m, p.psi + h / 2, moved(p, k1, h / 2));
  const Rates k3 = rates(m, p.psi + h / 2, moved(p, k2, h / 2));
  const Rates k4 = rates(m, p.psi + h, moved(p, k3, h));
  MembranePoint q = p;
  q.psi = p.psi + h;
  q.z = p.z + h / 6 * (k1.z + 2 * k2.z + 2 * k3.z + k4.z);
  q.x = p.x + h / 6 * (k1.x + 2 * k2.x + 2 * k3.x + k4.x);
  q.s = p.s + h / 6 * (k1.s + 2 * k2.s + 2 * k3.s + k4.s);
  q.area = p.area + h / 6 * (k1.area + 2 * k2.area + 2 * k3.area + k4.area);
  return q;
}

// The step length in (0, h) after which the depth reaches `z` (60 halvings:
// to the last bit of the step).
double step_to_depth(const MembraneModel& m, const MembranePoint& p, double h, double z,
                     MembranePoint (*step)(const MembraneModel&, const MembranePoint&, double)) {
  double lo = 0.0;
  double hi = h;
  for (int i = 0; i < 60; ++i) {
    const double mid = (lo + hi) / 2;
    if (step(m, p, mid).z < z) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  return (lo + hi) / 2;
}

// A step of length h, cut at the water line when it crosses it.
MembranePoint advance(const MembraneModel& m, const MembranePoint& p, double h) {
  const double zw = 1 - m.beta;
  const MembranePoint q = rk4(m, p, h);
  if (!(p.z < zw && q.z > zw)) return q;
  const double h1 = step_to_depth(m, p, h, zw, rk4);
  MembranePoint w = rk4(m, p, h1);
  w.z = zw;
  return rk4(m, w, h - h1);
}

int step_count(const MembraneModel& m, double psi_end) {
  return std::max(1, static_cast<int>(std::ceil(m.steps * psi_end / kPi)));
}

}  // namespace

double net_pressure(const MembraneModel& m, double z) {
  return m.alpha - std::max(0.0, z - (1 - m.beta));
}

MembranePoint integrate_to_angle(const MembraneModel& m, double psi_end) {
  MembranePoint p;
  const int n = step_count(m, psi_end);
  const double h = psi_end / n;
  for (int i = 0; i < n; ++i) {
    p = advance(m, p, h);
    p.psi = (i + 1) * h;
  }
  return p;
}

MembranePoint integrate_to_depth(const MembraneModel& m, double z_target) {
  MembranePoint p;
  const double h = kPi / m.steps;
  for (int i = 0; i < m.steps; ++i) {
    const MembranePoint q = advance(m, p, h);
    if (q.z >= z_target) {
      MembranePoint t = advance(m, p, step_to_depth(m, p, h, z_target, advance));
      t.z = z_target;
      return t;
    }
    p = q;
  }
  return p;
}

std::vector<MembranePoint> membrane_points(const MembraneModel& m) {
  std::vector<MembranePoint> points{MembranePoint{}};
  const double h = kPi / m.steps;
  const double zw = 1 - m.beta;
  for (int i = 0; i < m.steps; ++i) {
    const MembranePoint& p = points.back();
    MembranePoint q = advance(m, p, h);
    if (p.z < zw && q.z > zw) {
      MembranePoint w = rk4(m, p, step_to_depth(m, p, h, zw, rk4));
      w.z = zw;
      points.push_back(w);
    }
    q.psi = (i + 1) * h;
    points.push_back(q);
  }
  return points;
}

double shoot_tension(double alpha, double beta, int steps) {
  // The depth reached at psi = pi grows with the tension; a circle of radius
  // tau/alpha reaches 2 tau/alpha, so [0, alpha] brackets depth 1 whenever
  // the pressure stays positive down to the bottom.
  double lo = 0.0;
  double hi = alpha;
  for (int i = 0; i < 80; ++i) {
    const double mid = (lo + hi) / 2;
    MembraneModel m{alpha, beta, mid, steps};
    const double z = integrate_to_angle(m, kPi).z;
    if (z < 1.0) {  // not a number (too deep) counts as too deep
      lo = mid;
    } else {
      hi = mid;
    }
  }
  return (lo + hi) / 2;
}

}  // namespace verify
}  // namespace tqweir
