#include "section/flow_depth.h"

#include <cmath>

#include "membrane/kernel_bisection.h"

namespace tqweir {

double flow_depth(double Lu, double c, double y, double x, double xc) {
  if (std::fabs(c - y) < 0.001) return (Lu - c) * 0.6666666666666666;
  double a;
  double b;
  if (xc < x) {
    a = 0.0;
    b = (Lu - c) * 0.6666666666666666;
  } else {
    a = (Lu - c) * 0.6666666666666666;
    b = Lu - y;
  }
  // At d = 0 the quotient is +inf and F is -inf (IEEE division, no trap).
  const auto f = [=](double d) {
    return ((Lu - y) - d) -
           std::pow(Lu - c, 3.0) *
               (((1.0 / (std::pow(d, 2.0) + std::pow(d, 2.0))) * 8.0) / 27.0);
  };
  return kernel_bisect(a, b, f, NanResidual::ends_search,
                       Message::flow_depth_not_converged);
}

}  // namespace tqweir
