// The membrane kernels against the directly integrated equilibrium
// (membrane_ode.h), across the pressure head alpha and the tailwater beta.
#include <algorithm>
#include <cmath>

#include "core/constants.h"
#include "core/stop.h"
#include "membrane/abscissa.h"
#include "membrane/arc_length.h"
#include "membrane/contact.h"
#include "membrane/kernel_bisection.h"
#include "membrane/tension.h"
#include "tools/verify/membrane_ode.h"
#include "tools/verify/problem.h"

namespace tqweir {
namespace verify {
namespace {

const char kGroup[] = "Membrane kernels against the integrated equilibrium";
const char kOde[] =
    "T dpsi/ds = p(z) integrated in psi, RK4, 4000 steps per half turn, step cut at the water line";

const double kAlphas[] = {2.0, 10.0, 500.0};
const double kBetas[] = {1e-05, 0.5, 0.95, 1.5, 2.2};
// The leaf and floor angles of the checks (45 and 10 degrees).
const double kLeafAngle = 45.0 * kPi / 180.0;
const double kFloorAngle = 10.0 * kPi / 180.0;

std::string label(double alpha, double beta) {
  return "alpha " + fmt_g(alpha, 4) + ", beta " + fmt_g(beta, 4);
}

Problem problem(const std::string& id, const std::string& what, double ref, double value,
                bool relative, double tol) {
  Problem p;
  p.group = kGroup;
  p.id = id;
  p.what = what;
  p.reference = kOde;
  p.kind = "independent numerical";
  p.reference_value = ref;
  p.value = value;
  p.relative = relative;
  p.tolerance = tol;
  return p;
}

// Contact depth as the section takes it: the relation below the water line
// first, the one above it when the depth found lies above the water line.
double section_contact(int below_kind, double alpha, double beta, double angle, double tau) {
  double z = contact_depth(below_kind, alpha, beta, angle, tau);
  if (beta < 1.0 && z < 1.0 - beta) z = contact_depth(below_kind + 1, alpha, beta, angle, tau);
  return z;
}

}  // namespace

void kernel_problems(std::ostream& out) {
  int n = 0;
  for (double alpha : kAlphas) {
    for (double beta : kBetas) {
      // A submerged bag whose air head does not exceed the water's at its
      // bottom (beta >= alpha) has no equilibrium shape with a horizontal
      // bottom: the net pressure changes sign above it.
      if (beta >= alpha) continue;
      ++n;
      const std::string tag = (n < 10 ? "0" : "") + std::to_string(n);
      const std::string where = label(alpha, beta);
      try {
      const double tau = solve_tension(alpha, beta);
      // The tension search ends at a residual of 5e-5 between two tensions
      // that move in opposite senses, so the tension is off by less.
      print_problem(out, problem("MK-T-" + tag, "tension, " + where, shoot_tension(alpha, beta),
                                 tau, false, kKernelTolerance + 1e-8));

      const MembraneModel m{alpha, beta, tau, 4000};
      // Contact depths: the search ends at a tension residual of 5e-5; the
      // contact relation's slope in depth is p(z)/D, so the depth is off by
      // at most 5e-5 D / p(z).
      double worst = 0.0, tol = 0.0, ref_w = 0.0, val_w = 0.0;
      const struct { int kind; double angle, psi, d; } contacts[] = {
          {1, kLeafAngle, kLeafAngle, 1 - std::cos(kLeafAngle)},
          {3, kFloorAngle, kPi - kFloorAngle, std::cos(kFloorAngle) + 1}};
      for (const auto& c : contacts) {
        const double ref = integrate_to_angle(m, c.psi).z;
        const double val = section_contact(c.kind, alpha, beta, c.angle, tau);
        const double t = 1.1 * kKernelTolerance * c.d / net_pressure(m, ref) + 1e-8;
        if (std::fabs(val - ref) / t >= worst / std::max(tol, 1e-300) || tol == 0.0) {
          worst = std::fabs(val - ref);
          tol = t;
          ref_w = ref;
          val_w = val;
        }
      }
      print_problem(out, problem("MK-C-" + tag,
                                 "contact depths at 45 deg (leaf) and 10 deg (floor), the worse, " + where,
                                 ref_w, val_w, false, tol));

      // Abscissae: the kernel's elliptic form against the integrated curve.
      double ax_ref = 0.0, ax_val = 0.0;
      for (double z : {0.1, 0.3, 0.5, 0.7, 0.9, 0.99}) {
        const double ref = integrate_to_depth(m, z).x;
        const double val = membrane_abscissa(z, alpha, beta, tau);
        if (std::fabs(val - ref) >= std::fabs(ax_val - ax_ref)) {
          ax_ref = ref;
          ax_val = val;
        }
      }
      print_problem(out, problem("MK-X-" + tag, "abscissa at depths 0.1 .. 0.99, the worst, " + where,
                                 ax_ref, ax_val, false, 1e-6));

      // Arc lengths to the two contact angles and to the bottom.
      double s_ref = 1.0, s_val = 1.0;
      for (double psi : {kLeafAngle, kPi - kFloorAngle, kPi}) {
        const double ref = integrate_to_angle(m, psi).s;
        const double val = membrane_arc_length(alpha, psi, beta, tau);
        if (std::fabs(val - ref) / ref >= std::fabs(s_val - s_ref) / s_ref) {
          s_ref = ref;
          s_val = val;
        }
      }
      print_problem(out, problem("MK-S-" + tag,
                                 "arc length to 45 deg, 170 deg and pi, the worst, " + where, s_ref,
                                 s_val, true, 1e-6));
      } catch (const StopRun&) {
        // A kernel that stops where the membrane has a shape is a fault.
        print_problem(out, problem("MK-" + tag, "the kernels find the membrane, " + where, 0.0, NAN,
                                   false, 0.0));
      }
    }
  }
}

}  // namespace verify
}  // namespace tqweir
