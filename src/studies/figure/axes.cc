#include <algorithm>

#include "drawing/axis_ticks.h"
#include "studies/figure/section_parts.h"

namespace tqweir {
namespace plot {
namespace {

constexpr double kTickLength = 5.0;       // px
constexpr double kMinTickSpacing = 60.0;  // px, room for a label such as "-0.25"

// The step of both axes: ticks at least kMinTickSpacing apart along the
// longer side, so equal distances read alike on both.
double axis_step(const Viewport& view) {
  const double side_px = std::max(view.width_px(), view.height_px());
  const int intervals = std::max(1, static_cast<int>(side_px / kMinTickSpacing));
  return drawing::tick_step(std::max(view.world.width(), view.world.height()), intervals);
}

}  // namespace

std::string draw_grid(const Drawing& d) {
  const Viewport& v = d.view;
  const double step = axis_step(v);
  const double left = v.x_px(v.world.x_min), right = v.x_px(v.world.x_max);
  const double top = v.y_px(v.world.y_max), bottom = v.y_px(v.world.y_min);
  std::string grid = "<g " + d.id("grid") +
                     " stroke=\"#000\" stroke-opacity=\"0.18\" stroke-width=\"0.6\" "
                     "stroke-dasharray=\"2 3\">\n";
  for (double x : drawing::tick_values(v.world.x_min, v.world.x_max, step)) {
    grid += drawing::svg_line(v.x_px(x), top, v.x_px(x), bottom);
  }
  for (double y : drawing::tick_values(v.world.y_min, v.world.y_max, step)) {
    grid += drawing::svg_line(left, v.y_px(y), right, v.y_px(y));
  }
  return grid + "</g>\n";
}

std::string draw_axes(const Drawing& d) {
  const Viewport& v = d.view;
  const double step = axis_step(v);
  const double left = v.x_px(v.world.x_min), right = v.x_px(v.world.x_max);
  const double top = v.y_px(v.world.y_max), bottom = v.y_px(v.world.y_min);
  const std::string tick = "stroke=\"#333\" stroke-width=\"1\"";
  const std::string label = "class=\"tick-label\"";
  std::string x_axis = "<g " + d.id("x-axis") + " font-size=\"12\" text-anchor=\"middle\">\n";
  for (double x : drawing::tick_values(v.world.x_min, v.world.x_max, step)) {
    x_axis += drawing::svg_line(v.x_px(x), bottom, v.x_px(x), bottom + kTickLength, tick) +
              drawing::text_element(v.x_px(x), bottom + kTickLength + 13, drawing::tick_label(x, step),
                                  label);
  }
  std::string y_axis = "<g " + d.id("y-axis") + " font-size=\"12\" text-anchor=\"end\">\n";
  for (double y : drawing::tick_values(v.world.y_min, v.world.y_max, step)) {
    y_axis += drawing::svg_line(left - kTickLength, v.y_px(y), left, v.y_px(y), tick) +
              drawing::text_element(left - kTickLength - 3, v.y_px(y) + 4, drawing::tick_label(y, step),
                                  label);
  }
  x_axis += drawing::text_element(right, bottom + kTickLength + 30, "x (m)",
                                "text-anchor=\"end\" font-style=\"italic\"");
  y_axis += drawing::text_element(left - kTickLength - 3, top - 8, "y (m)", "font-style=\"italic\"");
  return drawing::svg_rect(left, top, right - left, bottom - top,
                         d.id("frame") + " fill=\"none\" stroke=\"#333\" stroke-width=\"1\"") +
         x_axis + "</g>\n" + y_axis + "</g>\n";
}

}  // namespace plot
}  // namespace tqweir
