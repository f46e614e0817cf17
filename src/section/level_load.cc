#include "section/level_load.h"

namespace tqweir {

void add_piece(LoadSums& sums, double x0, double y0, double dx, double dy,
               double d0, double d1) {
  if (d1 + d0 == 0.0) return;
  const double area_v = (d1 + d0) * dx * 0.5;
  const double moment_v = ((((2.0 * d1 + d0) * dx) / 3.0) / (d1 + d0) + x0) * area_v;
  const double area_h = (d1 + d0) * dy * 0.5;
  const double moment_h = ((((2.0 * d1 + d0) * dy) / 3.0) / (d1 + d0) + y0) * area_h;
  sums.area_v += area_v;
  sums.moment_v += moment_v;
  sums.area_h += area_h;
  sums.moment_h += moment_h;
}

Load load_from_sums(const LoadSums& sums, double unit_weight_v,
                    double unit_weight_h) {
  Load load;
  load.load_v = unit_weight_v * sums.area_v;
  load.arm_x = sums.area_v == 0.0 ? 0.0 : sums.moment_v / sums.area_v;
  load.load_h = unit_weight_h * sums.area_h;
  load.arm_y = sums.area_h == 0.0 ? 0.0 : sums.moment_h / sums.area_h;
  return load;
}

Load level_load(const LeafProfile& leaf, double level, double unit_weight_v,
                double unit_weight_h, bool has_limit, double limit) {
  LoadSums sums;
  for (int i = 1; i <= leaf.last_node; ++i) {
    const double x0 = leaf.node_x[i - 1];
    const double y0 = leaf.node_y[i - 1];
    const double x1 = leaf.node_x[i];
    const double y1 = leaf.node_y[i];
    if (has_limit && limit > y1) continue;
    if (y0 < level && y1 < level) {
      add_piece(sums, x0, y0, x1 - x0, y1 - y0, level - y0, level - y1);
    } else if (y0 < level && level <= y1) {
      // Cut by the water line: the triangle up to where the leaf meets it.
      const double d0 = level - y0;
      const double w = ((x1 - x0) * d0) / (y1 - y0);
      const double area_v = d0 * w * 0.5;
      const double area_h = d0 * d0 * 0.5;
      sums.area_v += area_v;
      sums.moment_v += (w / 3.0 + x0) * area_v;
      sums.area_h += area_h;
      sums.moment_h += (d0 / 3.0 + y0) * area_h;
    }
  }
  return load_from_sums(sums, unit_weight_v, unit_weight_h);
}

}  // namespace tqweir
