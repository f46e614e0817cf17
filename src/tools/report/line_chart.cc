#include "tools/report/line_chart.h"

#include <algorithm>
#include <cmath>

#include "tools/common/number_text.h"
#include "tools/plot/section_parts.h"
#include "tools/plot/svg_page.h"

namespace tqweir {
namespace report {
namespace {

constexpr double kLeft = 54.0;
constexpr double kRight = 14.0;
constexpr double kTop = 10.0;
constexpr double kBottom = 38.0;
constexpr int kMaxIntervals = 5;

// A range of values with its ticks.
struct Axis {
  double lo = 0.0;
  double hi = 1.0;
  double step = 1.0;
  int decimals = 0;
};

// Tick labels are plain decimals (fixed_text): beyond these an axis would
// need more digits than a label holds.
constexpr double kMaxLabelMagnitude = 1e15;
constexpr int kMaxDecimals = 15;

// False when the values span no range that ticks can label: a range that
// overflows, a step beyond a double's range, labels too long to print.
bool make_axis(const std::vector<double>& values, Axis& axis) {
  double lo = *std::min_element(values.begin(), values.end());
  double hi = *std::max_element(values.begin(), values.end());
  if (!(hi > lo)) {
    // One value: a range around it, so that it sits in the middle.
    const double half = lo == 0.0 ? 1.0 : std::fabs(lo) * 0.1;
    lo -= half;
    hi += half;
  }
  axis.step = plot::tick_step(hi - lo, kMaxIntervals);
  if (!(axis.step > 0.0)) return false;
  axis.lo = std::floor(lo / axis.step + 1e-9) * axis.step;
  axis.hi = std::ceil(hi / axis.step - 1e-9) * axis.step;
  axis.decimals = std::max(0, static_cast<int>(-std::floor(std::log10(axis.step) + 1e-9)));
  return std::fabs(axis.lo) < kMaxLabelMagnitude && std::fabs(axis.hi) < kMaxLabelMagnitude &&
         axis.decimals <= kMaxDecimals;
}

// The tick values lo, lo + step, ..., hi, each formed from its index so that
// no rounding accumulates.
std::vector<double> ticks(const Axis& axis) {
  const long count = std::lround((axis.hi - axis.lo) / axis.step);
  std::vector<double> values;
  for (long k = 0; k <= count; ++k) values.push_back(axis.lo + static_cast<double>(k) * axis.step);
  return values;
}

}  // namespace

std::string line_chart_svg(const ChartSeries& series, double width, double height) {
  Axis ax, ay;
  if (!make_axis(series.x, ax) || !make_axis(series.y, ay)) return "";
  const double plot_w = width - kLeft - kRight;
  const double plot_h = height - kTop - kBottom;
  const auto px_x = [&](double x) { return kLeft + (x - ax.lo) / (ax.hi - ax.lo) * plot_w; };
  const auto px_y = [&](double y) { return kTop + (ay.hi - y) / (ay.hi - ay.lo) * plot_h; };
  using plot::px;

  std::string out = "<svg class=\"chart\" xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " +
                    px(width) + " " + px(height) + "\" font-size=\"11\">\n";
  out += "<title>" + plot::xml_escape(series.title) + "</title>\n";
  std::string grid = "<g stroke=\"#000\" stroke-opacity=\"0.15\" stroke-width=\"0.6\">";
  std::string labels;
  for (double v : ticks(ax)) {
    grid += "<line x1=\"" + px(px_x(v)) + "\" y1=\"" + px(kTop) + "\" x2=\"" + px(px_x(v)) +
            "\" y2=\"" + px(kTop + plot_h) + "\"/>";
    labels += plot::text_element(px_x(v), kTop + plot_h + 13, fixed_text(v, ax.decimals),
                                 "text-anchor=\"middle\"");
  }
  for (double v : ticks(ay)) {
    grid += "<line x1=\"" + px(kLeft) + "\" y1=\"" + px(px_y(v)) + "\" x2=\"" +
            px(kLeft + plot_w) + "\" y2=\"" + px(px_y(v)) + "\"/>";
    labels += plot::text_element(kLeft - 4, px_y(v) + 4, fixed_text(v, ay.decimals),
                                 "text-anchor=\"end\"");
  }
  out += grid + "</g>\n" + labels + "\n";
  out += "<rect x=\"" + px(kLeft) + "\" y=\"" + px(kTop) + "\" width=\"" + px(plot_w) +
         "\" height=\"" + px(plot_h) + "\" fill=\"none\" stroke=\"#333\" stroke-width=\"0.8\"/>\n";
  out += plot::text_element(kLeft + plot_w / 2, height - 6, series.x_label,
                            "text-anchor=\"middle\"");
  std::string points;
  std::string marks;
  for (std::size_t i = 0; i < series.x.size(); ++i) {
    const std::string p = px(px_x(series.x[i])) + "," + px(px_y(series.y[i]));
    points += (i > 0 ? " " : "") + p;
    marks += "<circle cx=\"" + px(px_x(series.x[i])) + "\" cy=\"" + px(px_y(series.y[i])) +
             "\" r=\"2.4\"/>";
  }
  out += "<polyline class=\"curve\" points=\"" + points +
         "\" fill=\"none\" stroke=\"#1f4e8c\" stroke-width=\"1.6\"/>\n";
  out += "<g fill=\"#1f4e8c\">" + marks + "</g>\n";
  return out + "</svg>\n";
}

}  // namespace report
}  // namespace tqweir
