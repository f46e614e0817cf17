#include "tools/plot/axes.h"

#include <algorithm>
#include <cmath>

#include "output/format.h"
#include "tools/plot/svg_text.h"

namespace tqweir {
namespace plot {
namespace {

constexpr double kTickLength = 5.0;  // px
constexpr double kMinTickSpacing = 60.0;  // px, room for a label such as "-0.25"

// A tick value with as many decimals as the step needs ("0.5", "2").
std::string tick_value(double value, double step) {
  const int decimals = step >= 1.0 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
  std::string out;
  append_format(out, "%.*f", decimals, value);
  if (out.find_first_not_of("-0.") == std::string::npos) out = "0";  // no "-0.0"
  return out;
}

// The multiples of `step` within [lo, hi], computed from their index so
// no rounding accumulates.
template <typename Visit>
void for_each_tick(double lo, double hi, double step, Visit visit) {
  const long first = static_cast<long>(std::ceil(lo / step - 1e-9));
  const long last = static_cast<long>(std::floor(hi / step + 1e-9));
  for (long i = first; i <= last; ++i) visit(static_cast<double>(i) * step);
}

std::string line(double x1, double y1, double x2, double y2, const std::string& attrs) {
  return "<line x1=\"" + px(x1) + "\" y1=\"" + px(y1) + "\" x2=\"" + px(x2) + "\" y2=\"" +
         px(y2) + "\" " + attrs + "/>\n";
}

}  // namespace

double tick_step(double length, int max_intervals) {
  double power = std::pow(10.0, std::floor(std::log10(length / max_intervals)));
  for (;;) {
    for (double factor : {1.0, 2.0, 5.0}) {
      const double step = factor * power;
      if (length / step <= max_intervals + 1e-9) return step;
    }
    power *= 10.0;
  }
}

double axis_step(const Viewport& view) {
  // Ticks at least kMinTickSpacing apart, along the longer side.
  const double side_px = std::max(view.width_px(), view.height_px());
  const int intervals = std::max(1, static_cast<int>(side_px / kMinTickSpacing));
  return tick_step(std::max(view.world.width(), view.world.height()), intervals);
}

std::string draw_grid(const Viewport& view) {
  const Bounds& w = view.world;
  const double step = axis_step(view);
  const double left = view.x_px(w.x_min), right = view.x_px(w.x_max);
  const double top = view.y_px(w.y_max), bottom = view.y_px(w.y_min);
  std::string grid = "<g id=\"grid\" stroke=\"#000\" stroke-opacity=\"0.18\" "
                     "stroke-width=\"0.6\" stroke-dasharray=\"2 3\">\n";
  for_each_tick(w.x_min, w.x_max, step,
                [&](double x) { grid += line(view.x_px(x), top, view.x_px(x), bottom, ""); });
  for_each_tick(w.y_min, w.y_max, step,
                [&](double y) { grid += line(left, view.y_px(y), right, view.y_px(y), ""); });
  return grid + "</g>\n";
}

std::string draw_axes(const Viewport& view) {
  const Bounds& w = view.world;
  const double step = axis_step(view);
  const double left = view.x_px(w.x_min), right = view.x_px(w.x_max);
  const double top = view.y_px(w.y_max), bottom = view.y_px(w.y_min);

  std::string x_axis = "<g id=\"x-axis\" font-size=\"12\" text-anchor=\"middle\">\n";
  std::string y_axis = "<g id=\"y-axis\" font-size=\"12\" text-anchor=\"end\">\n";
  const std::string tick_attrs = "class=\"tick\" stroke=\"#333\" stroke-width=\"1\"";
  for_each_tick(w.x_min, w.x_max, step, [&](double x) {
    const double xp = view.x_px(x);
    x_axis += line(xp, bottom, xp, bottom + kTickLength, tick_attrs);
    x_axis += text_element(xp, bottom + kTickLength + 13, tick_value(x, step),
                           "class=\"tick-label\"");
  });
  for_each_tick(w.y_min, w.y_max, step, [&](double y) {
    const double yp = view.y_px(y);
    y_axis += line(left - kTickLength, yp, left, yp, tick_attrs);
    y_axis += text_element(left - kTickLength - 3, yp + 4, tick_value(y, step),
                           "class=\"tick-label\"");
  });
  x_axis += text_element(right, bottom + kTickLength + 30, "x (m)",
                         "text-anchor=\"end\" font-style=\"italic\"");
  y_axis += text_element(left - kTickLength - 3, top - 8, "y (m)",
                         "font-style=\"italic\"");

  std::string out = "<rect id=\"frame\" x=\"" + px(left) + "\" y=\"" + px(top) + "\" width=\"" +
         px(right - left) + "\" height=\"" + px(bottom - top) +
         "\" fill=\"none\" stroke=\"#333\" stroke-width=\"1\"/>\n";
  return out + x_axis + "</g>\n" + y_axis + "</g>\n";
}

}  // namespace plot
}  // namespace tqweir
