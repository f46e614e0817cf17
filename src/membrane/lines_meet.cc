#include "membrane/lines_meet.h"

#include <cmath>

#include "membrane/kernel_bisection.h"

namespace tqweir {

double lines_meet_depth(double x1, double y1, double x2, double y2,
                        double angle1, double angle2) {
  // A flat floor: the gap below is infinite everywhere but at y2, so the
  // bisection could never see a sign change.
  if (std::tan(angle2) == 0.0) return y2;
  const auto g = [=](double y) {
    return ((y1 - y) / std::tan(-angle1) + (x2 - x1)) - (y2 - y) / std::tan(angle2);
  };
  return kernel_bisect(0.0, 1.0, g, NanResidual::keeps_searching,
                       Message::membrane_not_converged);
}

}  // namespace tqweir
