// The page of an SVG drawing: the true-scale mapping from the section
// frame (metres, y up) to pixels (y down). The elements themselves are
// drawing/svg_elements.h.
#ifndef TQWEIR_STUDIES_FIGURE_SVG_PAGE_H_
#define TQWEIR_STUDIES_FIGURE_SVG_PAGE_H_

#include <string>
#include <vector>

#include "drawing/svg_elements.h"
#include "studies/figure/run_results.h"

namespace tqweir {
namespace plot {

// An axis-aligned rectangle of the section frame (m). Starts empty.
struct Bounds {
  double x_min = 1e300, x_max = -1e300, y_min = 1e300, y_max = -1e300;

  void include(const Point& p);
  double width() const { return x_max - x_min; }
  double height() const { return y_max - y_min; }
};

struct Viewport {
  Bounds world;            // the rectangle of the section that is drawn (m)
  double left_px = 0.0;    // where world.x_min lands
  double top_px = 0.0;     // where world.y_max lands
  double px_per_m = 1.0;   // the one scale of both axes

  double x_px(double x) const { return left_px + (x - world.x_min) * px_per_m; }
  double y_px(double y) const { return top_px + (world.y_max - y) * px_per_m; }
  double width_px() const { return world.width() * px_per_m; }
  double height_px() const { return world.height() * px_per_m; }
};

// The largest true-scale view of `content` that fits in max_width_px by
// max_height_px with its top left corner at (left_px, top_px). A view
// limited by its height is widened to the full width, the extra shared
// equally upstream and downstream; a flat content gets its height from its
// width. REQUIRES: content has a positive width or height.
Viewport fit_viewport(const Bounds& content, double left_px, double top_px,
                      double max_width_px, double max_height_px);

// The "x,y x,y ..." list of an SVG polyline or polygon, in pixels of
// `view`.
std::string points_attribute(const std::vector<Point>& points, const Viewport& view);

}  // namespace plot
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_FIGURE_SVG_PAGE_H_
