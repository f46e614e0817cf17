// The page of an SVG drawing: the true-scale mapping from the section
// frame (metres, y up) to pixels (y down), and the text of its elements.
#ifndef TQWEIR_TOOLS_PLOT_SVG_PAGE_H_
#define TQWEIR_TOOLS_PLOT_SVG_PAGE_H_

#include <string>
#include <vector>

#include "tools/plot/run_results.h"

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

// `text` made safe as XML character data or attribute value: & < > " ' as
// entities; every byte that is not part of well-formed UTF-8, and every
// control character XML forbids, replaced by '?'. Any folder name thus
// yields a well-formed document.
std::string xml_escape(const std::string& text);

// A pixel value with two decimals (far below what a screen or printer
// shows), never "-0.00". Throws PlotInputError for a value that is not
// finite.
std::string px(double value);

// The "x,y x,y ..." list of an SVG polyline or polygon, in pixels.
std::string points_attribute(const std::vector<Point>& points, const Viewport& view);

// A generous estimate of the width in pixels of UTF-8 `text` at
// `font_size`: ASCII at 0.6 of the size, any other character (Japanese,
// Greek) at the full size.
double text_width(const std::string& text, double font_size);

// <line>, <rect> in pixels, with `attrs` written as given.
std::string svg_line(double x1, double y1, double x2, double y2, const std::string& attrs = "");
std::string svg_rect(double x, double y, double width, double height,
                     const std::string& attrs = "");

// <text x=".." y="..">escaped text</text>, with `attrs` written as given.
std::string text_element(double x, double y, const std::string& text,
                         const std::string& attrs = "");

}  // namespace plot
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_PLOT_SVG_PAGE_H_
