#include <algorithm>
#include <cmath>

#include "output/format.h"
#include "tools/plot/section_parts.h"

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
  return tick_step(std::max(view.world.width(), view.world.height()), intervals);
}

// A tick value with as many decimals as the step needs ("0.5", "2").
std::string tick_value(double value, double step) {
  const int decimals = step >= 1.0 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
  std::string out;
  append_format(out, "%.*f", decimals, value);
  return out.find_first_not_of("-0.") == std::string::npos ? "0" : out;  // no "-0.0"
}

// The multiples of `step` within [lo, hi], computed from their index so
// that no rounding accumulates. The view and its step come from one
// extent, which holds the origin, so there are about as many ticks as
// intervals; anything else (more than kMaxTicks, an index beyond what a
// long holds exactly) draws none rather than looping on.
constexpr double kMaxTicks = 1000.0;
constexpr double kMaxTickIndex = 1e15;

template <typename Visit>
void for_each_tick(double lo, double hi, double step, Visit visit) {
  const double first = std::ceil(lo / step - 1e-9);
  const double last = std::floor(hi / step + 1e-9);
  if (!(step > 0.0) || !(last - first < kMaxTicks) || !(std::fabs(first) < kMaxTickIndex) ||
      !(std::fabs(last) < kMaxTickIndex)) {
    return;
  }
  for (long i = static_cast<long>(first); i <= static_cast<long>(last); ++i) {
    visit(static_cast<double>(i) * step);
  }
}

}  // namespace

double tick_step(double length, int max_intervals) {
  if (!(length > 0.0) || !std::isfinite(length) || max_intervals < 1) return 0.0;
  // power <= length / max_intervals < 10 power, so 1, 2 or 5 times power, or
  // 10 times it, fits; one decade more covers the rounding of log10. A
  // power that underflows to 0 (a subnormal length) or a step that
  // overflows has no answer.
  double power = std::pow(10.0, std::floor(std::log10(length / max_intervals)));
  for (int decade = 0; decade < 3 && power > 0.0; ++decade, power *= 10.0) {
    for (double factor : {1.0, 2.0, 5.0}) {
      const double step = factor * power;
      if (length / step <= max_intervals + 1e-9) return std::isfinite(step) ? step : 0.0;
    }
  }
  return 0.0;
}

std::string draw_grid(const Drawing& d) {
  const Viewport& v = d.view;
  const double step = axis_step(v);
  const double left = v.x_px(v.world.x_min), right = v.x_px(v.world.x_max);
  const double top = v.y_px(v.world.y_max), bottom = v.y_px(v.world.y_min);
  std::string grid = "<g " + d.id("grid") +
                     " stroke=\"#000\" stroke-opacity=\"0.18\" stroke-width=\"0.6\" "
                     "stroke-dasharray=\"2 3\">\n";
  for_each_tick(v.world.x_min, v.world.x_max, step,
                [&](double x) { grid += svg_line(v.x_px(x), top, v.x_px(x), bottom); });
  for_each_tick(v.world.y_min, v.world.y_max, step,
                [&](double y) { grid += svg_line(left, v.y_px(y), right, v.y_px(y)); });
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
  for_each_tick(v.world.x_min, v.world.x_max, step, [&](double x) {
    x_axis += svg_line(v.x_px(x), bottom, v.x_px(x), bottom + kTickLength, tick) +
              text_element(v.x_px(x), bottom + kTickLength + 13, tick_value(x, step), label);
  });
  std::string y_axis = "<g " + d.id("y-axis") + " font-size=\"12\" text-anchor=\"end\">\n";
  for_each_tick(v.world.y_min, v.world.y_max, step, [&](double y) {
    y_axis += svg_line(left - kTickLength, v.y_px(y), left, v.y_px(y), tick) +
              text_element(left - kTickLength - 3, v.y_px(y) + 4, tick_value(y, step), label);
  });
  x_axis += text_element(right, bottom + kTickLength + 30, "x (m)",
                         "text-anchor=\"end\" font-style=\"italic\"");
  y_axis += text_element(left - kTickLength - 3, top - 8, "y (m)", "font-style=\"italic\"");
  return svg_rect(left, top, right - left, bottom - top,
                  d.id("frame") + " fill=\"none\" stroke=\"#333\" stroke-width=\"1\"") +
         x_axis + "</g>\n" + y_axis + "</g>\n";
}

}  // namespace plot
}  // namespace tqweir
