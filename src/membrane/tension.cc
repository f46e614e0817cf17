#include "membrane/tension.h"

#include "membrane/kernel_bisection.h"

namespace tqweir {

double solve_tension(double alpha, double beta) {
  if (beta >= 1) return ((alpha - beta) + 0.5) * 0.5;

  const double c = 1 - beta;  // depth of the water line
  // Tension the circular arc above the water line needs to reach cos psi = x
  // there, minus the tension the elastica below needs to turn on from
  // cos psi = x to cos psi = -1 at the bottom. The bracket stops short of
  // +-1, where a denominator vanishes.
  const auto g = [alpha, beta, c](double x) {
    return c * alpha / (1 - x) -
           (0.5 - (1 - alpha) * beta - 0.5 * c * c) / (x + 1);
  };
  const double mid = kernel_bisect(-0.999999, 0.999999, g,
                                   NanResidual::keeps_searching,
                                   Message::membrane_not_converged);
  return c * alpha / (1 - mid);
}

}  // namespace tqweir
