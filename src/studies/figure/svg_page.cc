#include "studies/figure/svg_page.h"

#include <algorithm>

#include "drawing/svg_elements.h"

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
  // A level content (no height) gets a height from its width; a content
  // of no width is widened below like any tall one.
  if (world.height() <= 0.0) {
    world.y_min -= world.width() / 2.0;
    world.y_max += world.width() / 2.0;
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

std::string points_attribute(const std::vector<Point>& points, const Viewport& view) {
  std::string out;
  for (const Point& p : points) drawing::append_point(out, view.x_px(p.x), view.y_px(p.y));
  return out;
}

}  // namespace plot
}  // namespace tqweir
