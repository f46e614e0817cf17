// A small line chart as SVG: one result against one varied input, for the
// operating curves of a design.
#ifndef TQWEIR_STUDIES_REPORT_LINE_CHART_H_
#define TQWEIR_STUDIES_REPORT_LINE_CHART_H_

#include <string>
#include <vector>

namespace tqweir {
namespace report {

struct ChartSeries {
  std::string title;    // UTF-8, e.g. "alpha 内圧パラメータ α"; the caption is the caller's
  std::string x_label;  // UTF-8, e.g. "upstream_level (m)"
  std::vector<double> x;  // increasing
  std::vector<double> y;  // one per x
  std::vector<double> y2;  // empty, or a second curve on the same axes, one per x, dashed
  bool marks = true;       // a dot at each point (off for long series over time)
  // Further solid curves on the same axes, one value per x each: curve k
  // (from 1, y being curve 0) in curve_colour(k), unmarked.
  std::vector<std::vector<double>> more;
};

// The colour of solid curve `k` (0: y's), "#1f4e8c" first; the colours
// come round again after eight.
const char* curve_colour(std::size_t k);

// An <svg> element `width` by `height` pixels (viewBox of that size), with
// the title as its <title>: a frame with ticks at 1, 2 or 5 times a power of ten on both
// axes, a faint grid, and the points joined by a line and marked. Empty
// when an axis cannot be labelled: values that span more than a double
// holds, or whose ticks would need labels beyond 1e15 or with more than
// 15 decimals.
// REQUIRES: x.size() == y.size() >= 1, each of `more` as long, all finite.
std::string line_chart_svg(const ChartSeries& series, double width, double height);

// line_chart_svg's chart, or where it has none a line saying why (HTML).
std::string chart_or_note(const ChartSeries& series, double width, double height);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_REPORT_LINE_CHART_H_
