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

// Everything the surface reads. None of it changes within a run, so a run's
// surface is the same in every trial.
struct SurfaceInput {
  LeafProfile leaf;
  double upstream_level = 0.0;     // m, Lu
  int overflow_mode = 0;           // surface model at or over the crest
  double water_unit_weight = 0.0;  // N/m^3
};

// The surface input of a run, taken from its state.
SurfaceInput surface_input(const RunState& state);

// Below the crest (Lu < H) the water is still: level_load on the leaf, a
// point per submerged node and a zero-depth point where the leaf leaves the
// water. At or over the crest the surface model of overflow_mode applies:
// 1 level, 2 a straight drawdown to c + 2h/3 at the tip, 3 the energy
// equation of critical flow sampled on subdivided segments.
// Throws StopRun(flow_depth_not_converged) from model 3.
WaterSurface build_water_surface(const SurfaceInput& input);

}  // namespace tqweir

#endif  // TQWEIR_SECTION_WATER_SURFACE_H_
