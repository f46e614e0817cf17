#include "section/leaf_loads.h"

#include <cmath>

#include "section/level_load.h"

namespace tqweir {

LeafLoads compute_leaf_loads(const RunState& state, const BagSection& bag) {
  const SyogenInput& s = state.syogen;
  LeafLoads loads;
  loads.contact_height = std::sin(state.derived.theta1) * bag.chord1_m;
  if (loads.contact_height < bag.Hd) {
    loads.downstream = level_load(state.profile, bag.Hd, s.water_unit_weight,
                                  s.layer_unit_weight, true, loads.contact_height);
  }
  if (state.parameter.layer_level > 0.0) {
    loads.layer = level_load(state.profile, state.parameter.layer_level,
                             s.layer_unit_weight, s.layer_unit_weight);
  }
  return loads;
}

}  // namespace tqweir
