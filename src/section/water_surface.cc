#include "section/water_surface.h"

#include <utility>

#include "membrane/double_bits.h"
#include "section/flow_depth.h"
#include "output/format.h"
#include "section/level_load.h"

namespace tqweir {
namespace {

void append_surface_row(std::string& out, double x, double y, double d) {
  append_format(out, "%10.8f,%10.8f,%10.8f,%10.8f", x, y + d, d, y);
  out += kLineEnd;
}

// Still water below the crest: the walk of level_load, writing a row for each
// node under water and, where the leaf rises out of the water, one row of
// depth 0 at the last node written (not at the water line itself).
Load still_water(const LeafProfile& leaf, double Lu, double unit_weight,
                 std::string& rows) {
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
LoadSums node_surface(const LeafProfile& leaf, const Surface& z, std::string& rows) {
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
LoadSums critical_flow_surface(const LeafProfile& leaf, double Lu, std::string& rows) {
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

WaterSurface build_water_surface(const RunState& state) {
  const LeafProfile& leaf = state.profile;
  const double Lu = state.parameter.upstream_level;
  const double c = leaf.crest_height;
  const double gamma = state.syogen.water_unit_weight;
  WaterSurface surface;
  std::string& rows = surface.rows;

  if (Lu < c) {
    surface.overflow_depth = 0.0;
    surface.up = still_water(leaf, Lu, gamma, rows);
    return surface;
  }
  const double h = Lu - c;
  surface.overflow_depth = h;
  const double tip = leaf.tip_x;
  switch (state.parameter.overflow_mode) {
    case 1:
      surface.up = load_from_sums(node_surface(leaf, [Lu](double) { return Lu; }, rows), gamma, gamma);
      break;
    case 2: {
      const auto z = [h, c, tip](double x) {
        return ((((0.3333333333333333 * h) * (tip - x)) / tip) + c) + 0.6666666666666666 * h;
      };
      surface.up = load_from_sums(node_surface(leaf, z, rows), gamma, gamma);
      break;
    }
    case 3:
      surface.up = load_from_sums(critical_flow_surface(leaf, Lu, rows), gamma, gamma);
      break;
    default:
      // Refused before the bisection starts; nothing to write or load.
      break;
  }
  return surface;
}

bool same_surface_inputs(const RunState& a, const RunState& b) {
  const LeafProfile& p = a.profile;
  const LeafProfile& q = b.profile;
  const auto same = [](double x, double y) { return double_bits(x) == double_bits(y); };
  if (p.last_node != q.last_node || a.parameter.overflow_mode != b.parameter.overflow_mode) {
    return false;
  }
  for (int i = 0; i <= p.last_node && i < kMaxNodes; ++i) {
    if (!same(p.node_x[i], q.node_x[i]) || !same(p.node_y[i], q.node_y[i])) return false;
  }
  return same(p.crest_height, q.crest_height) && same(p.crest_x, q.crest_x) &&
         same(p.tip_x, q.tip_x) &&
         same(a.parameter.upstream_level, b.parameter.upstream_level) &&
         same(a.syogen.water_unit_weight, b.syogen.water_unit_weight);
}

void store_water_surface(TrialState& trial, const WaterSurface& surface) {
  trial.overflow_depth = surface.overflow_depth;
  trial.up_load_v = surface.up.load_v;
  trial.up_arm_x = surface.up.arm_x;
  trial.up_load_h = surface.up.load_h;
  trial.up_arm_y = surface.up.arm_y;
}

std::string write_water_surface(RunState& state) {
  WaterSurface surface = build_water_surface(state);
  store_water_surface(state.trial, surface);
  return std::move(surface.rows);
}

}  // namespace tqweir
