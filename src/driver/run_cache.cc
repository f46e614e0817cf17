#include "driver/run_cache.h"

#include "membrane/double_bits.h"
#include "output/surface_file.h"
#include "section/membrane_shape.h"

namespace tqweir {

MembraneShape RunCache::shape(const RunState& state, double alpha) {
  const DerivedInput& d = state.derived;
  if (!reuse()) return solve_membrane_shape(alpha, d.hd_nd, d.theta1, d.theta2, integrals_);
  auto it = shapes_.find(double_bits(alpha));
  if (it == shapes_.end()) {
    it = shapes_.emplace(double_bits(alpha),
                         solve_membrane_shape(alpha, d.hd_nd, d.theta1, d.theta2, integrals_))
             .first;
  }
  return it->second;
}

const SurfaceWithRows& RunCache::surface(const RunState& state) {
  if (!reuse() || !surface_) {
    surface_.reset();
    WaterSurface surface = build_water_surface(state);
    std::string rows = surface_file(surface);
    surface_ = SurfaceWithRows{std::move(surface), std::move(rows)};
  }
  return *surface_;
}

}  // namespace tqweir
