// The upstream and downstream water of the section as areas to fill and
// surfaces to draw, in metres of the section frame.
#ifndef TQWEIR_TOOLS_PLOT_WATER_BODIES_H_
#define TQWEIR_TOOLS_PLOT_WATER_BODIES_H_

#include <vector>

#include "tools/plot/run_results.h"

namespace tqweir {
namespace plot {

struct WaterBody {
  std::vector<Point> area;     // closed polygon; empty when no water is in view
  std::vector<Point> surface;  // the free surface, from upstream to downstream
};

// The floor line through the hinge at x (m).
double floor_y(const RunResults& results, double x);

// The water upstream of the leaf, from x_left (or from where the floor
// rises out of it) to the leaf. While the level stays below the crest the
// surface is level and meets the leaf where the leaf first rises through
// it; when the water overflows, the surface follows suimen.csv to the tip.
WaterBody upstream_water(const RunResults& results, double x_left);

// The water downstream of the hinge up to the downstream water line, under
// the leaf and over the floor, as far as x_right. The bag is drawn over
// it, so its surface starts at the bag's downstream face where the bag
// stands above the water line.
WaterBody downstream_water(const RunResults& results, double x_right);

}  // namespace plot
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_PLOT_WATER_BODIES_H_
