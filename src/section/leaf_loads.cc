#include "section/leaf_loads.h"

#include <cmath>

#include "section/level_load.h"

namespace tqweir {

void compute_leaf_loads(RunState& state) {
  TrialState& t = state.trial;
  const SyogenInput& s = state.syogen;

  t.contact_height = std::sin(state.derived.theta1) * t.chord1_m;
  Load dn;
  if (t.contact_height < t.Hd) {
    dn = level_load(state.profile, t.Hd, s.water_unit_weight,
                    s.layer_unit_weight, true, t.contact_height);
  }
  t.dn_load_v = dn.load_v;
  t.dn_arm_x = dn.arm_x;
  t.dn_load_h = dn.load_h;
  t.dn_arm_y = dn.arm_y;

  Load layer;
  if (state.parameter.layer_level > 0.0) {
    layer = level_load(state.profile, state.parameter.layer_level,
                       s.layer_unit_weight, s.layer_unit_weight);
  }
  t.layer_load_v = layer.load_v;
  t.layer_arm_x = layer.arm_x;
  t.layer_load_h = layer.load_h;
  t.layer_arm_y = layer.arm_y;
}

}  // namespace tqweir
