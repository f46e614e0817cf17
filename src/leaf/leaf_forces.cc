#include "leaf/leaf_forces.h"

#include <vector>

#include "driver/case_solver.h"
#include "leaf/leaf_line.h"
#include "leaf/net_pressure.h"
#include "leaf/stations.h"
#include "section/water_surface.h"

namespace tqweir {
namespace leaf {
namespace {

// Where a load starts, ends or changes: the bag's contact end, the
// stopper's attachment, the weight, and the water lines.
std::vector<double> marks(const RunState& state, const LeafLine& line) {
  const TrialState& t = state.trial;
  std::vector<double> out{t.bag.chord1_m, state.syogen.anchor_distance, state.syogen.leaf_weight_arm};
  std::vector<double> levels;
  if (state.parameter.upstream_level < state.profile.crest_height) levels.push_back(state.parameter.upstream_level);
  if (t.loads.contact_height < t.bag.Hd) levels.push_back(t.bag.Hd);
  if (state.parameter.layer_level > 0.0) levels.push_back(state.parameter.layer_level);
  for (double level : levels) {
    for (double s : level_crossings(line, level)) out.push_back(s);
  }
  return out;
}

}  // namespace

LeafForces leaf_forces(const CaseResult& result) {
  WaterSurface surface;
  surface.points = result.surface;
  return leaf_forces(result.state, surface);
}

LeafForces leaf_forces(const RunState& converged) {
  return leaf_forces(converged, build_water_surface(surface_input(converged)));
}

LeafForces leaf_forces(const RunState& converged, const WaterSurface& surface) {
  LeafForces out;
  const LeafLine line = leaf_line(converged.profile);
  out.loads = applied_loads(converged, line, surface);
  // The reaction is known before the integration reaches the hinge only
  // from the loads' sum; a stub behind the hinge needs it.
  Vec load_sum;
  double moment = 0.0;
  sum_loads(out.loads, load_sum, moment);
  out.internal = integrate_internal_forces(line, out.loads, make_stations(line, marks(converged, line), out.loads),
                                           hinge_reaction(load_sum).force);
  out.reaction = hinge_reaction(out.internal.load_sum);
  out.support_force = converged.trial.balance.support_force;
  out.closure = close_free_body(converged, line, out.internal.hinge_moment, out.reaction.force);
  out.max_net_pressure = largest_net_pressure(out.loads, line, converged.trial.bag.width_factor);
  return out;
}

}  // namespace leaf
}  // namespace tqweir
