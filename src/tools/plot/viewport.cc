#include "tools/plot/viewport.h"

#include <algorithm>

namespace tqweir {
namespace plot {

void Bounds::include(const Point& p) {
  x_min = std::min(x_min, p.x);
  x_max = std::max(x_max, p.x);
  y_min = std::min(y_min, p.y);
  y_max = std::max(y_max, p.y);
}

Viewport fit_viewport(const Bounds& content, double left_px, double top_px,
                      double max_width_px, double max_height_px) {
  Bounds world = content;
  // A flat or narrow content still gets a finite scale from its other side.
  const double size = std::max(world.width(), world.height());
  if (world.width() <= 0.0) {
    world.x_min -= size / 2.0;
    world.x_max += size / 2.0;
  }
  if (world.height() <= 0.0) {
    world.y_min -= size / 2.0;
    world.y_max += size / 2.0;
  }
  Viewport v;
  v.left_px = left_px;
  v.top_px = top_px;
  v.px_per_m = std::min(max_width_px / world.width(), max_height_px / world.height());
  const double spare_m = max_width_px / v.px_per_m - world.width();
  world.x_min -= spare_m / 2.0;
  world.x_max += spare_m / 2.0;
  v.world = world;
  return v;
}

}  // namespace plot
}  // namespace tqweir
