// The upstream water surface over the leaf (suimen.csv) and the upstream
// water load integrated along the same walk.
#ifndef TQWEIR_SECTION_WATER_SURFACE_H_
#define TQWEIR_SECTION_WATER_SURFACE_H_

#include <string>

#include "core/run_state.h"
#include "section/level_load.h"

namespace tqweir {

// Below the crest (Lu < H) the water is still: level_load on the leaf, a row
// per submerged node and a zero-depth row where the leaf leaves the water.
// At or over the crest the surface model of overflow_mode applies: 1 level,
// 2 a straight drawdown to c + 2h/3 at the tip, 3 the energy equation of
// critical flow sampled on subdivided segments.
// Fills overflow_depth and up_load_v, up_arm_x, up_load_h, up_arm_y of
// state.trial and returns the file's content: rows "x,y+d,d,y" with
// "%10.8lf" and CR LF. Depends on the inputs only, not on the trial's alpha.
// Throws StopRun(flow_depth_not_converged) from model 3.
std::string write_water_surface(RunState& state);

// What write_water_surface computes, kept apart from the trial: it depends on
// the run's inputs only, so a run may build it once and store it into every
// trial.
struct WaterSurface {
  std::string rows;  // the file's content
  double overflow_depth = 0.0;  // m over the crest, 0 below it
  Load up;  // the upstream water load
};

// Builds the surface of the run's inputs. Throws as write_water_surface.
// Reads the leaf profile, upstream_level, overflow_mode and the water's unit
// weight, nothing else.
WaterSurface build_water_surface(const RunState& state);

// True when build_water_surface reads the same bits in `a` and `b`, so that
// a surface built for one serves the other.
bool same_surface_inputs(const RunState& a, const RunState& b);

// Files the surface's overflow depth and upstream load in the trial.
void store_water_surface(TrialState& trial, const WaterSurface& surface);

}  // namespace tqweir

#endif  // TQWEIR_SECTION_WATER_SURFACE_H_
