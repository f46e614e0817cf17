#include "membrane/contact.h"

#include <cmath>

#include "membrane/kernel_bisection.h"

namespace tqweir {
namespace {

// L(z) at or below the water line; for a submerged bag the pressure head at
// the top is alpha - beta + 1.
double load_below_water_line(double z, double alpha, double beta) {
  if (beta >= 1) return ((alpha * z - beta * z) + z) - 0.5 * z * z;
  return ((alpha * z + z) - beta * z) - 0.5 * z * z + beta - 0.5 * beta * beta -
         0.5;
}

}  // namespace

double contact_tension(int kind, double depth, double alpha, double beta,
                       double angle) {
  switch (kind) {
    case 1:
      return load_below_water_line(depth, alpha, beta) / (1 - std::cos(angle));
    case 2:
      return alpha * depth / (1 - std::cos(angle));
    case 3:
      return load_below_water_line(depth, alpha, beta) / (std::cos(angle) + 1);
    case 4:
      return alpha * depth / (std::cos(angle) + 1);
    default:
      return 0.0;
  }
}

double contact_depth(int kind, double alpha, double beta, double angle,
                     double tension) {
  const auto r = [=](double z) {
    return tension - contact_tension(kind, z, alpha, beta, angle);
  };
  return kernel_bisect(0.0, 1.0, r, NanResidual::keeps_searching,
                       Message::membrane_not_converged);
}

}  // namespace tqweir
