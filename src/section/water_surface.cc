#include "section/water_surface.h"

#include <vector>

#include "section/flow_depth.h"
#include "section/level_load.h"

namespace tqweir {
namespace {

void append_surface_row(std::vector<SurfacePoint>& rows, double x, double y, double d) {
  rows.push_back(SurfacePoint{x, y, d});
}

// Still water below the crest: the walk of level_load, writing a row for each
// node under water and, where the leaf rises out of the water, one row of
// depth 0 at the last node written (not at the water line itself).
Load still_water(const LeafProfile& leaf, double Lu, double unit_weight,
                 std::vector<SurfacePoint>& rows) {
  append_surface_row(rows, leaf.node_x[0], leaf.node_y[0], Lu - leaf.node_y[0]);
  double xw = leaf.node_x[0];
  double yw = leaf.node_y[0];
  for (int i = 1; i <= leaf.last_node; ++i) {
    const double y0 = leaf.node_y[i - 1];
    const double y1 = leaf.node_y[i];
    if (y0 < Lu && y1 < Lu) {
      append_surface_row(rows, leaf.node_x[i], y1, Lu - y1);
      xw = leaf.node_x[i];
      yw = y1;
    } else if (y0 < Lu && Lu <= y1) {
      append_surface_row(rows, xw, yw, 0.0);
    }
  }
  return level_load(leaf, Lu, unit_weight, unit_weight);
}

// Models 1 and 2: one row per node, one piece per segment, with the depth of
// each node from the surface elevation at its x.
template <typename Surface>
LoadSums node_surface(const LeafProfile& leaf, const Surface& z, std::vector<SurfacePoint>& rows) {
  LoadSums sums;
  append_surface_row(rows, leaf.node_x[0], leaf.node_y[0], z(leaf.node_x[0]) - leaf.node_y[0]);
  for (int i = 1; i <= leaf.last_node; ++i) {
    const double xp = leaf.node_x[i - 1];
    const double yp = leaf.node_y[i - 1];
    const double xc = leaf.node_x[i];
    const double yc = leaf.node_y[i];
    const double dp = z(xp) - yp;
    const double dc = z(xc) - yc;
    add_piece(sums, xp, yp, xc - xp, yc - yp, dp, dc);
    append_surface_row(rows, xc, yc, dc);
  }
  return sums;
}

// Model 3: each segment is cut into 10, 5 or 1 pieces by its run relative
// to the leaf's length; every inner node is written twice (end of one
// segment, start of the next), the second time without load.
LoadSums critical_flow_surface(const LeafProfile& leaf, double Lu, std::vector<SurfacePoint>& rows) {
  const double c = leaf.crest_height;
  const double tip = leaf.tip_x;
  LoadSums sums;
  for (int i = 0; i < leaf.last_node; ++i) {
    const double xi = leaf.node_x[i];
    const double yi = leaf.node_y[i];
    const double run = leaf.node_x[i + 1] - xi;
    int n = 1;
    if (tip / 5.0 <= run) n = 10;
    if (tip / 5.0 > run && tip / 50.0 <= run) n = 5;
    if (tip / 50.0 > run) n = 1;
    const double step = run / n;

    double xc = xi;
    double dc = flow_depth(Lu, c, yi, xi, leaf.crest_x);
    append_surface_row(rows, xi, yi, dc);
    double yp = yi;
    double dp = dc;
    double xp = xi;
    for (int j = 1; j <= n; ++j) {
      xc = xc + step;
      const double yc = ((xc - xi) / run) * (leaf.node_y[i + 1] - yi) + yi;
      dc = flow_depth(Lu, c, yc, xc, leaf.crest_x);
      add_piece(sums, xp, yp, step, yc - yp, dp, dc);
      append_surface_row(rows, xc, yc, dc);
      xp = xc;
      yp = yc;
      dp = dc;
    }
  }
  return sums;
}

}  // namespace

SurfaceInput surface_input(const RunState& state) {
  SurfaceInput input;
  input.leaf = state.profile;
  input.upstream_level = state.parameter.upstream_level;
  input.overflow_mode = state.parameter.overflow_mode;
  input.water_unit_weight = state.syogen.water_unit_weight;
  return input;
}

WaterSurface build_water_surface(const SurfaceInput& input) {
  const LeafProfile& leaf = input.leaf;
  const double Lu = input.upstream_level;
  const double c = leaf.crest_height;
  const double gamma = input.water_unit_weight;
  WaterSurface surface;
  std::vector<SurfacePoint>& rows = surface.points;
  UpstreamWater& water = surface.upstream;

  if (Lu < c) {
    water.overflow_depth = 0.0;
    water.load = still_water(leaf, Lu, gamma, rows);
    return surface;
  }
  const double h = Lu - c;
  water.overflow_depth = h;
  const double tip = leaf.tip_x;
  switch (input.overflow_mode) {
    case 1:
      water.load = load_from_sums(node_surface(leaf, [Lu](double) { return Lu; }, rows), gamma, gamma);
      break;
    case 2: {
      const auto z = [h, c, tip](double x) {
        return ((((0.3333333333333333 * h) * (tip - x)) / tip) + c) + 0.6666666666666666 * h;
      };
      water.load = load_from_sums(node_surface(leaf, z, rows), gamma, gamma);
      break;
    }
    case 3:
      water.load = load_from_sums(critical_flow_surface(leaf, Lu, rows), gamma, gamma);
      break;
    default:
      // Refused before the bisection starts; nothing to write or load.
      break;
  }
  return surface;
}

}  // namespace tqweir
