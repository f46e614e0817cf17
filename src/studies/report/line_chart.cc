#include "studies/report/line_chart.h"

#include <algorithm>
#include <cmath>

#include "drawing/axis_ticks.h"
#include "text/number_text.h"
#include "drawing/svg_elements.h"
#include "studies/report/html.h"

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
  axis.step = drawing::tick_step(hi - lo, kMaxIntervals);
  if (!(axis.step > 0.0)) return false;
  axis.lo = std::floor(lo / axis.step + 1e-9) * axis.step;
  axis.hi = std::ceil(hi / axis.step - 1e-9) * axis.step;
  axis.decimals = drawing::tick_decimals(axis.step);
  return std::fabs(axis.lo) < kMaxLabelMagnitude && std::fabs(axis.hi) < kMaxLabelMagnitude &&
         axis.decimals <= kMaxDecimals;
}

}  // namespace

const char* curve_colour(std::size_t k) {
  // Told apart in print and by most colour-blind readers: blue, orange,
  // green, purple, brown, grey, olive, teal.
  static const char* const kColours[] = {"#1f4e8c", "#d9730d", "#2e8b3a", "#7b3fa0",
                                         "#8c564b", "#6d6d6d", "#9a9a1f", "#1f9a9a"};
  return kColours[k % 8];
}

std::string line_chart_svg(const ChartSeries& series, double width, double height) {
  Axis ax, ay;
  std::vector<double> ys = series.y;
  ys.insert(ys.end(), series.y2.begin(), series.y2.end());
  for (const std::vector<double>& curve : series.more) ys.insert(ys.end(), curve.begin(), curve.end());
  if (!make_axis(series.x, ax) || !make_axis(ys, ay)) return "";
  const double plot_w = width - kLeft - kRight;
  const double plot_h = height - kTop - kBottom;
  const auto px_x = [&](double x) { return kLeft + (x - ax.lo) / (ax.hi - ax.lo) * plot_w; };
  const auto px_y = [&](double y) { return kTop + (ay.hi - y) / (ay.hi - ay.lo) * plot_h; };

  std::string out = "<svg class=\"chart\" xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " +
                    drawing::px(width) + " " + drawing::px(height) + "\" font-size=\"11\">\n";
  out += "<title>" + drawing::xml_escape(series.title) + "</title>\n";
  std::string grid = "<g stroke=\"#000\" stroke-opacity=\"0.15\" stroke-width=\"0.6\">";
  std::string labels;
  for (double v : drawing::tick_values(ax.lo, ax.hi, ax.step)) {
    grid += "<line " + drawing::line_attributes(px_x(v), kTop, px_x(v), kTop + plot_h) + "/>";
    labels += drawing::text_element(px_x(v), kTop + plot_h + 13, text::fixed_text(v, ax.decimals),
                                  "text-anchor=\"middle\"");
  }
  for (double v : drawing::tick_values(ay.lo, ay.hi, ay.step)) {
    grid += "<line " + drawing::line_attributes(kLeft, px_y(v), kLeft + plot_w, px_y(v)) + "/>";
    labels += drawing::text_element(kLeft - 4, px_y(v) + 4, text::fixed_text(v, ay.decimals),
                                  "text-anchor=\"end\"");
  }
  out += grid + "</g>\n" + labels + "\n";
  out += drawing::svg_rect(kLeft, kTop, plot_w, plot_h,
                         "fill=\"none\" stroke=\"#333\" stroke-width=\"0.8\"");
  out +=
      drawing::text_element(kLeft + plot_w / 2, height - 6, series.x_label, "text-anchor=\"middle\"");
  std::string points;
  std::string marks;
  for (std::size_t i = 0; i < series.x.size(); ++i) {
    drawing::append_point(points, px_x(series.x[i]), px_y(series.y[i]));
    if (series.marks) marks += "<circle " + drawing::xy_attributes("cx", "cy", px_x(series.x[i]), px_y(series.y[i])) +
             " r=\"2.4\"/>";
  }
  out += "<polyline class=\"curve\" points=\"" + points +
         "\" fill=\"none\" stroke=\"#1f4e8c\" stroke-width=\"1.6\"/>\n";
  if (series.marks) out += "<g fill=\"#1f4e8c\">" + marks + "</g>\n";
  for (std::size_t k = 0; k < series.more.size(); ++k) {
    std::string more;
    for (std::size_t i = 0; i < series.more[k].size(); ++i) {
      drawing::append_point(more, px_x(series.x[i]), px_y(series.more[k][i]));
    }
    // Each curve thinner than the one before, so that curves that coincide
    // (gates that move as one) still show every colour, as edges.
    const double width_px = std::max(0.5, 1.6 - 0.35 * static_cast<double>(k + 1));
    out += "<polyline class=\"curve\" points=\"" + more + "\" fill=\"none\" stroke=\"" +
           curve_colour(k + 1) + "\" stroke-width=\"" + text::fixed_text(width_px, 2) + "\"/>\n";
  }
  std::string second;
  for (std::size_t i = 0; i < series.y2.size(); ++i) {
    drawing::append_point(second, px_x(series.x[i]), px_y(series.y2[i]));
  }
  if (!second.empty()) {
    out += "<polyline class=\"curve2\" points=\"" + second +
           "\" fill=\"none\" stroke=\"#b00016\" stroke-width=\"1.2\" stroke-dasharray=\"4 3\"/>\n";
  }
  return out + "</svg>\n";
}

std::string chart_or_note(const ChartSeries& series, double width, double height) {
  const std::string chart = line_chart_svg(series, width, height);
  if (!chart.empty()) return chart;
  return "<p class=\"ng\">" +
         en_ja("No chart: the values span more than its axes can show.",
               u8"値の範囲が軸に表示できないためグラフなし。") +
         "</p>";
}

}  // namespace report
}  // namespace tqweir
