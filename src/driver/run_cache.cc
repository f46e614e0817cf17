#include "driver/run_cache.h"

#include "membrane/double_bits.h"

namespace tqweir {

MembraneShape RunCache::shape(double alpha, double beta, double theta1, double theta2) {
  if (mode() == Evaluation::literal) {
    return solve_membrane_shape(alpha, beta, theta1, theta2, integrals_);
  }
  // Keyed by the bits of every argument: the shape is a pure function of
  // them, and a key that names all four stays right even if a caller feeds
  // the cache trials with another beta or other angles.
  const ShapeKey key{double_bits(alpha), double_bits(beta), double_bits(theta1), double_bits(theta2)};
  auto it = shapes_.find(key);
  if (it == shapes_.end()) {
    it = shapes_.emplace(key, solve_membrane_shape(alpha, beta, theta1, theta2, integrals_)).first;
  }
  return it->second;
}

const WaterSurface& RunCache::surface(const RunState& state) {
  if (mode() == Evaluation::literal || !surface_ || !same_surface_inputs(state, surface_inputs_)) {
    surface_.reset();
    surface_ = build_water_surface(state);
    surface_inputs_ = state;
  }
  return *surface_;
}

}  // namespace tqweir
