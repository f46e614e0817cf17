// Still-water load on the leaf polyline up to a level.
#ifndef TQWEIR_SECTION_LEVEL_LOAD_H_
#define TQWEIR_SECTION_LEVEL_LOAD_H_

#include "core/run_state.h"

namespace tqweir {

// Running first moments of the pressure diagram over the leaf.
struct LoadSums {
  double area_v = 0.0;
  double moment_v = 0.0;
  double area_h = 0.0;
  double moment_h = 0.0;
};

// Adds the trapezoid of the pressure diagram over one piece of leaf running
// from (x0, y0) with depth d0 to a point (dx, dy) further on with depth d1,
// and its first moments about x = 0 and y = 0 through the centroid. A piece
// whose two depths sum to exactly 0 carries no water and adds nothing.
void add_piece(LoadSums& sums, double x0, double y0, double dx, double dy,
               double d0, double d1);

// Resultants from the sums; an area sum of exactly 0 (nothing loaded in that
// direction) has a zero moment and gets arm 0.0 instead of 0/0.
Load load_from_sums(const LoadSums& sums, double unit_weight_v,
                    double unit_weight_h);

// Water at `level` on the leaf, with the unit weights of the vertical and the
// horizontal component. Segments wholly below the level count in full, a
// segment cut by the level up to the water line. With `has_limit`, a segment
// whose end node lies below `limit` is skipped (only its end is tested).
Load level_load(const LeafProfile& leaf, double level, double unit_weight_v,
                double unit_weight_h, bool has_limit = false, double limit = 0.0);

}  // namespace tqweir

#endif  // TQWEIR_SECTION_LEVEL_LOAD_H_
