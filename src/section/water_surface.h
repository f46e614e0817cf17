// The upstream water surface over the leaf and the upstream water load
// integrated along the same walk.
#ifndef TQWEIR_SECTION_WATER_SURFACE_H_
#define TQWEIR_SECTION_WATER_SURFACE_H_

#include <vector>

#include "core/run_state.h"
#include "section/level_load.h"

namespace tqweir {

// A point of the surface: the leaf at (x, y) and the water's depth d above
// it (m), so the surface lies at y + d.
struct SurfacePoint {
  double x = 0.0;
  double y = 0.0;
  double d = 0.0;
};

struct WaterSurface {
  std::vector<SurfacePoint> points;  // the rows of suimen.csv, in order
  UpstreamWater upstream;
};

// Below the crest (Lu < H) the water is still: level_load on the leaf, a
// point per submerged node and a zero-depth point where the leaf leaves the
// water. At or over the crest the surface model of overflow_mode applies:
// 1 level, 2 a straight drawdown to c + 2h/3 at the tip, 3 the energy
// equation of critical flow sampled on subdivided segments.
// Reads the leaf profile, upstream_level, overflow_mode and the water's unit
// weight, nothing else: a run's surface is the same in every trial.
// Throws StopRun(flow_depth_not_converged) from model 3.
WaterSurface build_water_surface(const RunState& state);

}  // namespace tqweir

#endif  // TQWEIR_SECTION_WATER_SURFACE_H_
