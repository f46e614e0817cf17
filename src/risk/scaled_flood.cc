#include "risk/scaled_flood.h"

#include <algorithm>

namespace tqweir {
namespace risk {

double peak_flow(const flood::Hydrograph& h) {
  return *std::max_element(h.flows.begin(), h.flows.end());
}

flood::Hydrograph scaled_flood(const flood::Hydrograph& shape, double peak) {
  const double base = shape.flows.front();
  const double factor = std::max(0.0, (peak - base) / (peak_flow(shape) - base));
  flood::Hydrograph h = shape;
  for (double& q : h.flows) q = std::max(0.0, base + (q - base) * factor);
  return h;
}

}  // namespace risk
}  // namespace tqweir
