#include "membrane/abscissa.h"

#include <cmath>

#include "membrane/elliptic_integrals.h"

namespace tqweir {
namespace {

double submerged_abscissa(double z, double a, double b, double tau,
                          EllipticIntegrals& ig) {
  const double c = a - (b - 1);  // pressure head at the top
  const double k = 4 * tau / (c * c);
  const double psi = 2 * std::asin(std::sqrt((2 * c * z - z * z) / (4 * tau)));
  const double f = ig.f(psi / 2, k);
  const double e = ig.e(psi / 2, k);
  return (2 * tau / c) * f - c * (f - e);
}

double arc_abscissa(double z, double a, double tau) {
  const double r = tau / a;
  return std::sqrt(r * r - (z - r) * (z - r));
}

double elastica_abscissa(double z, double a, double b, double tau,
                         EllipticIntegrals& ig) {
  const double e = 1 - b;  // depth of the water line
  const double k = 4 * tau / (a * a + 2 * a * e);
  const double w = 1 - e * a / tau;  // cos psi at the water line
  // cos psi at z, 1 - L(z)/tau; rounding can push it just past +-1.
  double q = w - ((a + e) * z - 0.5 * z * z - (0.5 * e + a) * e) / tau;
  if (q > 1) q = 1;
  if (q < -1) q = -1;
  const double psi = std::acos(q);
  const double psi_w = std::acos(w);
  const double f = ig.f(psi / 2, k);
  const double f_w = ig.f(psi_w / 2, k);
  const double delta_f = f - f_w;
  const double delta_d = (f - ig.e(psi / 2, k)) - (f_w - ig.e(psi_w / 2, k));
  return (tau / a) * std::sin(psi_w) +
         (2 * tau / std::sqrt(a * a + 2 * a * e)) * (delta_f - (2 / k) * delta_d);
}

}  // namespace

double membrane_abscissa(double depth, double alpha, double beta,
                         double tension, EllipticIntegrals& integrals) {
  if (beta >= 1) return submerged_abscissa(depth, alpha, beta, tension, integrals);
  if (depth < 1 - beta) return arc_abscissa(depth, alpha, tension);
  return elastica_abscissa(depth, alpha, beta, tension, integrals);
}

double membrane_abscissa(double depth, double alpha, double beta,
                         double tension) {
  EllipticIntegrals integrals;
  return membrane_abscissa(depth, alpha, beta, tension, integrals);
}

}  // namespace tqweir
