// Closed-form limits of the membrane, the still-water load on a straight
// leaf and an earthquake's added pressure on it, and the convergence of the
// outline's sampling.
#include <cmath>

#include "core/constants.h"
#include "core/stop.h"
#include "membrane/abscissa.h"
#include "membrane/arc_length.h"
#include "membrane/elliptic.h"
#include "membrane/kernel_bisection.h"
#include "membrane/tension.h"
#include "section/hydrodynamic_pressure.h"
#include "section/level_load.h"
#include "section/seismic_loads.h"
#include "drawing/plane_distance.h"
#include "tools/verify/membrane_ode.h"
#include "tools/verify/problem.h"

namespace tqweir {
namespace verify {
namespace {

// The references use pi to full double precision, not the method's
// 3.141592654: they describe the physics, not the method's arithmetic.
// (M_PI is not standard C++ and MinGW does not define it by default.)
constexpr double kExactPi = 3.14159265358979323846;

const char kLimits[] = "Membrane: closed-form limits";
const char kLoads[] = "Section: water load on a straight leaf";
const char kConvergence[] = "Convergence of the outline's sampling";
const char kQuake[] = "Section: the water's added pressure in an earthquake";
const char kWestergaard[] = "Westergaard 1933, Water pressures on dams during earthquakes, Trans. ASCE 98";
const char kZangar[] = "Zangar 1952, USBR Engineering Monograph 11";
const char kAnwar[] = "semicircle of diameter 1 (Anwar 1967, Inflatable dams, J. Hydraulics Div. ASCE 93)";
const char kFirstIntegral[] =
    "first integral of T dpsi/ds = p: T (1 - cos psi) = int p dz, at psi = pi: 2 T = int_0^1 p dz";

Problem problem(const char* group, const std::string& id, const std::string& what,
                const std::string& reference, const char* kind, double ref, double value,
                bool relative, double tol) {
  Problem p;
  p.group = group;
  p.id = id;
  p.what = what;
  p.reference = reference;
  p.kind = kind;
  p.reference_value = ref;
  p.value = value;
  p.relative = relative;
  p.tolerance = tol;
  return p;
}

// The kernel's tension, or not a number (a NOOK) when its search stops.
double tension(double alpha, double beta) {
  try {
    return solve_tension(alpha, beta);
  } catch (const StopRun&) {
    return NAN;
  }
}

std::string two(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

void semicircle(std::ostream& out) {
  // beta = 1e-05 is the smallest tailwater a run takes; the elastica below
  // it changes the free length and the width by O(beta).
  const double beta = 1e-05;
  int n = 0;
  for (double alpha : {2.0, 10.0, 500.0}) {
    const std::string a = "alpha " + fmt_g(alpha, 4) + ", no tailwater";
    const double tau = tension(alpha, beta);
    print_problem(out, problem(kLimits, "ML-" + two(++n), "tension alpha/2, " + a, kAnwar,
                               "literature", alpha / 2, tau, false, kKernelTolerance));
    print_problem(out, problem(kLimits, "ML-" + two(++n), "free length pi/2 (top to bottom), " + a,
                               kAnwar, "literature", kExactPi / 2,
                               membrane_arc_length(alpha, kPi, beta, tau), true, 1e-4));
    print_problem(out, problem(kLimits, "ML-" + two(++n), "half-width 1/2 at depth 1/2, " + a,
                               kAnwar, "literature", 0.5, membrane_abscissa(0.5, alpha, beta, tau),
                               false, 1e-4));
  }
  for (double alpha : {2.0, 10.0}) {
    for (double b : {0.3, 0.7, 0.95}) {
      print_problem(out, problem(kLimits, "ML-" + two(++n),
                                 "partly submerged tension (alpha - beta^2/2)/2, alpha " + fmt_g(alpha, 4) +
                                     ", beta " + fmt_g(b, 4),
                                 kFirstIntegral, "analytical", (alpha - b * b / 2) / 2,
                                 tension(alpha, b), false, kKernelTolerance));
    }
  }
  for (double alpha : {3.0, 10.0}) {
    for (double b : {1.0, 1.5, 2.5}) {
      print_problem(out, problem(kLimits, "ML-" + two(++n),
                                 "submerged tension (alpha - beta + 1/2)/2, alpha " + fmt_g(alpha, 4) +
                                     ", beta " + fmt_g(b, 4),
                                 kFirstIntegral, "analytical", (alpha - b + 0.5) / 2,
                                 tension(alpha, b), true, 4e-16));
    }
  }
  // The integrated curve with the closed-form tension reaches the bottom
  // exactly as its tangent turns to pi: the integration and the closed form
  // confirm each other.
  for (double alpha : {2.0, 10.0}) {
    for (double b : {0.5, 1.5}) {
      const double tau = b < 1 ? (alpha - b * b / 2) / 2 : (alpha - b + 0.5) / 2;
      const MembraneModel m{alpha, b, tau, 4000};
      print_problem(out, problem(kLimits, "ML-" + two(++n),
                                 "integrated curve reaches depth 1 at psi = pi, alpha " + fmt_g(alpha, 4) +
                                     ", beta " + fmt_g(b, 4),
                                 "closed-form tension", "analytical", 1.0, integrate_to_angle(m, kExactPi).z,
                                 false, 1e-9));
    }
  }
}

void straight_leaf(std::ostream& out) {
  // Hydrostatics of a plane face: the pressure gamma (h - y) over the wetted
  // length h / sin(theta) gives gamma h^2 / (2 sin theta), acting a third of
  // the way up, at h / (3 sin theta) from the hinge.
  const double gamma = 9800.0;
  const double depth = 2.5;
  int n = 0;
  for (double deg : {30.0, 45.0, 60.0, 90.0}) {
    const double theta = deg * kExactPi / 180.0;
    LeafProfile leaf;
    leaf.node_count = 2;
    leaf.last_node = 1;
    // Long enough to rise through the water line.
    const double length = 1.5 * depth / std::sin(theta);
    leaf.node_x[1] = length * std::cos(theta);
    leaf.node_y[1] = length * std::sin(theta);
    const Load load = level_load(leaf, depth, gamma, gamma);
    const double force = drawing::plane_distance(load.load_v, load.load_h);
    const double moment = load.load_v * load.arm_x + load.load_h * load.arm_y;
    const std::string at = ", leaf at " + fmt_g(deg, 3) + " deg, depth 2.5 m";
    const double s = std::sin(theta);
    print_problem(out, problem(kLoads, "WL-" + two(++n), "force gamma h^2 / (2 sin theta)" + at,
                               "hydrostatics of a plane face", "analytical",
                               gamma * depth * depth / (2 * s), force, true, 1e-13));
    print_problem(out, problem(kLoads, "WL-" + two(++n),
                               "moment about the hinge gamma h^3 / (6 sin^2 theta)" + at,
                               "hydrostatics of a plane face", "analytical",
                               gamma * depth * depth * depth / (6 * s * s), moment, true, 1e-13));
  }
}

// A straight leaf at `deg` from the hinge, 1.5 times as long as the water
// is deep, under still water `depth` deep, in an earthquake of kh.
SeismicLoads quake_on_straight_leaf(double deg, double depth, double kh) {
  RunState state;
  const double theta = deg * kExactPi / 180.0;
  const double length = 1.5 * depth / std::sin(theta);
  state.profile.node_count = 2;
  state.profile.last_node = 1;
  state.profile.node_x[1] = deg == 90.0 ? 0.0 : length * std::cos(theta);
  state.profile.node_y[1] = length * std::sin(theta);
  state.parameter.upstream_level = depth;
  state.syogen.water_unit_weight = 9800.0;
  return seismic_loads(state, kh);
}

void quake_water(std::ostream& out) {
  const double gamma = 9800.0, depth = 2.5, kh = 0.15;
  int n = 0;
  const SeismicLoads vertical = quake_on_straight_leaf(90.0, depth, kh);
  const std::string at = ", vertical face, H 2.5 m, kh 0.15";
  print_problem(out, problem(kQuake, "SQ-" + two(++n), "resultant 7/12 kh gamma H^2" + at, kWestergaard,
                             "literature", 7.0 / 12.0 * kh * gamma * depth * depth, vertical.water.load_h,
                             true, 1e-13));
  print_problem(out, problem(kQuake, "SQ-" + two(++n), "its height above the base 0.4 H" + at, kWestergaard,
                             "literature", 0.4 * depth, vertical.water.arm_y, true, 1e-13));
  for (double deg : {45.0, 60.0}) {
    const SeismicLoads face = quake_on_straight_leaf(deg, depth, kh);
    const double cm = 0.735 * deg / 90.0;
    const std::string on = ", face at " + fmt_g(deg, 3) + " deg, H 2.5 m, kh 0.15";
    for (double eta : {0.25, 0.5, 0.75, 1.0}) {
      const double q = eta * (2.0 - eta);
      print_problem(out, problem(kQuake, "SQ-" + two(++n),
                                 "pressure C kh gamma H, C = cm/2 [q + sqrt q], q = eta (2 - eta), cm = 0.735 "
                                 "angle/90, at eta = y/H = " + fmt_g(eta, 3) + on,
                                 kZangar, "literature", cm / 2.0 * (q + std::sqrt(q)) * kh * gamma * depth,
                                 hydrodynamic_pressure(face.pressure, eta * depth), true, 1e-13));
    }
    // His 0.726 is the integral of C over the depth, (2/3 + pi/4) / 2,
    // rounded to three digits.
    print_problem(out, problem(kQuake, "SQ-" + two(++n), "horizontal resultant 0.726 cm kh gamma H^2" + on,
                               kZangar, "literature", 0.726 * cm * kh * gamma * depth * depth,
                               face.water.load_h, true, 1e-3));
  }
}

}  // namespace

void limit_problems(std::ostream& out) {
  semicircle(out);
  straight_leaf(out);
  quake_water(out);
}

void elliptic_values(std::ostream& out) {
  // Amplitudes up to a quarter period (the complete integrals at the full
  // pi/2) and parameters over the model's range, up to near 1 (a submerged
  // bag whose air head nears the water's at its bottom).
  for (double phi : {0.3, 0.8, 1.2, 1.5, kExactPi / 2}) {
    for (double m : {0.0, 0.3, 0.6, 0.9, 0.99, 0.999}) {
      const EllipticPair fe = elliptic_fe(phi, m);
      out << "E\t" << fmt_g(phi, 17) << '\t' << fmt_g(m, 17) << '\t' << fmt_g(fe.f, 17) << '\t'
          << fmt_g(fe.e, 17) << '\n';
    }
  }
}

void convergence_tables(std::ostream& out) {
  // The outline samples the membrane at equal depth steps (300 over the
  // bag's height); its chords and trapezoids against the integrated curve.
  for (double beta : {0.5, 1.5}) {
    const double alpha = 10.0;
    const double tau = beta < 1 ? (alpha - beta * beta / 2) / 2 : (alpha - beta + 0.5) / 2;
    const MembraneModel fine{alpha, beta, tau, 4000};
    const MembranePoint bottom = integrate_to_angle(fine, kExactPi);
    std::vector<std::vector<std::string>> rows;
    for (int n : {75, 150, 300, 600, 1200}) {
      const MembraneModel m{alpha, beta, tau, 1000};
      double length = 0.0;
      double area = 0.0;
      double x0 = 0.0;
      double z0 = 0.0;
      for (int k = 1; k <= n; ++k) {
        const double z = static_cast<double>(k) / n;
        const double x = k == n ? bottom.x : integrate_to_depth(m, z).x;
        length += drawing::plane_distance(x - x0, z - z0);
        area += (x + x0) / 2 * (z - z0);
        x0 = x;
        z0 = z;
      }
      rows.push_back({std::to_string(n), fmt_e((bottom.s - length) / bottom.s),
                      fmt_e((bottom.area - area) / bottom.area)});
    }
    print_table(out, kConvergence,
                "free membrane (top to bottom), alpha 10, beta " + fmt_g(beta, 3) +
                    ": relative shortfall of the polyline's length and of its area, against the integrated curve",
                {"points over the height", "length", "area"}, rows);
  }
}

}  // namespace verify
}  // namespace tqweir
