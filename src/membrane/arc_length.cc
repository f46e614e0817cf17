#include "membrane/arc_length.h"

#include <cmath>

#include "membrane/elliptic_integrals.h"

namespace tqweir {

double membrane_arc_length(double alpha, double angle, double beta,
                           double tension, EllipticIntegrals& integrals) {
  const double a = alpha;
  const double tau = tension;
  if (beta >= 1) {
    const double c = a - (beta - 1);
    const double k = 4 * tau / (c * c);
    return (2 * tau / c) * integrals.f(angle / 2, k);
  }
  const double e = 1 - beta;
  const double psi_w = std::acos(1 - e * a / tau);  // tangent angle at the water line
  if (angle < psi_w) return (tau / a) * angle;
  const double k = 4 * tau / (a * a + 2 * a * e);
  return (tau / a) * psi_w + (2 * tau / std::sqrt(a * a + 2 * a * e)) *
                                 (integrals.f(angle / 2, k) - integrals.f(psi_w / 2, k));
}

double membrane_arc_length(double alpha, double angle, double beta,
                           double tension) {
  EllipticIntegrals integrals;
  return membrane_arc_length(alpha, angle, beta, tension, integrals);
}

}  // namespace tqweir
