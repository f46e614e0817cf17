#include <algorithm>
#include <cmath>
#include <vector>

#include "output/format.h"
#include "studies/figure/label_placer.h"
#include "studies/figure/section_parts.h"

namespace tqweir {
namespace plot {
namespace {

constexpr double kFontSize = 13.0;

// The water-level mark: an open triangle standing on the surface at pixel
// (x, y), with two short strokes under it.
std::string level_mark(double x, double y) {
  std::string out;
  append_format(out,
                "<g stroke=\"%s\" stroke-width=\"1.3\">"
                "<polygon points=\"%.2f,%.2f %.2f,%.2f %.2f,%.2f\" fill=\"#fff\"/>"
                "<line x1=\"%.2f\" y1=\"%.2f\" x2=\"%.2f\" y2=\"%.2f\"/>"
                "<line x1=\"%.2f\" y1=\"%.2f\" x2=\"%.2f\" y2=\"%.2f\"/></g>\n",
                kWaterLine, x - 6.0, y - 10.0, x + 6.0, y - 10.0, x, y, x - 5.0, y + 3.5,
                x + 5.0, y + 3.5, x - 2.5, y + 6.5, x + 2.5, y + 6.5);
  return out;
}

// A level's label: its name and its value as TQSpec.csv prints it.
std::string level_text(const RunResults& r, const char* name, SummaryId id) {
  return std::string(name) + " " + r.text(id) + " " + summary_field(id).unit;
}

// Spots `distance` pixels beside a member at fractions of its length: all
// on the side `side` picks (+1: right of the walk from its first point),
// then all on the other side.
std::vector<LabelSpot> spots_beside(const std::vector<Point>& line, const Viewport& view,
                                    const std::vector<double>& fractions, double side,
                                    double distance) {
  if (line.size() < 2) return {};
  std::vector<double> lengths;  // arc length at each node
  double total = 0.0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (i > 0) total += std::hypot(line[i].x - line[i - 1].x, line[i].y - line[i - 1].y);
    lengths.push_back(total);
  }
  std::vector<LabelSpot> spots;
  for (const double s : {side, -side}) {
    for (const double f : fractions) {
      std::size_t i = 1;
      while (i + 1 < line.size() && (lengths[i] < f * total || lengths[i] == lengths[i - 1])) ++i;
      const double seg = lengths[i] - lengths[i - 1];
      if (seg <= 0.0) continue;
      const Point dir{(line[i].x - line[i - 1].x) / seg, (line[i].y - line[i - 1].y) / seg};
      const double t = std::min(std::max(f * total - lengths[i - 1], 0.0), seg);
      const Point n{s * dir.y, -s * dir.x};
      spots.push_back({view.x_px(line[i - 1].x + dir.x * t) + n.x * distance,
                       view.y_px(line[i - 1].y + dir.y * t) - n.y * distance + 0.35 * kFontSize,
                       n.x >= 0.0 ? "start" : "end"});
    }
  }
  return spots;
}

}  // namespace

std::string draw_labels(const Drawing& d) {
  const RunResults& r = d.results;
  const Viewport& v = d.view;
  LabelPlacer placer({v.left_px, v.top_px, v.left_px + v.width_px(), v.top_px + v.height_px()},
                     kFontSize);
  const std::vector<Point> stopper = {r.stopper_anchor, r.stopper_foot};
  const std::vector<Point> floor = {d.floor_left, d.floor_right};
  for (const auto* line : {&r.leaf, &stopper, &r.bag, &floor, &d.upstream.surface,
                           &d.downstream.surface}) {
    std::vector<double> xs, ys;
    for (const Point& p : *line) {
      xs.push_back(v.x_px(p.x));
      ys.push_back(v.y_px(p.y));
    }
    placer.avoid_line(xs, ys);
  }

  std::string out = "<g " + d.id("labels") +
                    " font-size=\"13\" fill=\"#111\" stroke=\"#fff\" stroke-width=\"3.5\" "
                    "stroke-linejoin=\"round\" paint-order=\"stroke\">\n";
  // The levels first: their labels belong right at their lines.
  if (!d.upstream.surface.empty()) {
    const double x = v.x_px(d.upstream.surface.front().x) + 30.0;
    const double y = v.y_px(r.value(SummaryId::upstream_level));
    out += level_mark(x, y);
    placer.avoid_box({x - 7.0, y - 11.0, x + 7.0, y + 8.0});
    out += placer.place(level_text(r, u8"Upstream level 上流水位", SummaryId::upstream_level),
                        {{x + 12.0, y - 6.0}, {x + 132.0, y - 6.0}, {x + 12.0, y + 18.0}});
  }
  if (!d.downstream.surface.empty()) {
    const double x = v.x_px(d.downstream.surface.back().x) - 30.0;
    const double y = v.y_px(r.value(SummaryId::hd_rel));
    out += level_mark(x, y);
    placer.avoid_box({x - 7.0, y - 11.0, x + 7.0, y + 8.0});
    out += placer.place(level_text(r, u8"Downstream level 下流水位", SummaryId::hd_rel),
                        {{x - 12.0, y - 6.0, "end"}, {x - 12.0, y + 18.0, "end"},
                         {x - 132.0, y - 6.0, "end"}, {x - 132.0, y + 18.0, "end"}});
  }
  if (d.with_layer) {
    const double x = v.x_px(d.upstream.area.front().x) + 12.0;
    const double y = v.y_px(r.value(SummaryId::layer_level));
    out += placer.place(level_text(r, u8"Second layer 第2層", SummaryId::layer_level),
                        {{x, y - 8.0}, {x, y + 18.0}});
  }

  // The leaf's name under it, away from the upstream water.
  out += placer.place(u8"Leaf 扉体",
                      spots_beside(r.leaf, v, {0.75, 0.5, 0.9, 0.3, 0.95}, 1.0, 14.0));

  Bounds bag;
  for (const Point& p : r.bag) bag.include(p);
  const double cx = v.x_px((bag.x_min + bag.x_max) / 2.0);
  const double cy = v.y_px((bag.y_min + bag.y_max) / 2.0) + 0.35 * kFontSize;
  out += placer.place(u8"Bag 袋体", {{cx, cy, "middle"},
                                     {v.x_px(bag.x_max) + 8.0, cy},
                                     {cx, v.y_px(bag.y_min) + kGroundBand + 14.0, "middle"},
                                     {cx, v.y_px(bag.y_max) - 8.0, "middle"}});

  // The stopper's name beside it on the side away from the hinge, where the
  // bag is not; else under its foot, below the ground; else on the other side.
  const Point mid{(r.stopper_anchor.x + r.stopper_foot.x) / 2.0,
                  (r.stopper_anchor.y + r.stopper_foot.y) / 2.0};
  const double away = (r.stopper_foot.y - r.stopper_anchor.y) * mid.x -
                                  (r.stopper_foot.x - r.stopper_anchor.x) * mid.y >= 0.0
                          ? 1.0 : -1.0;
  std::vector<LabelSpot> spots = spots_beside(stopper, v, {0.5, 0.35, 0.65, 0.2, 0.8}, away, 10.0);
  if (!spots.empty()) {
    spots.insert(spots.begin() + spots.size() / 2,
                 {v.x_px(r.stopper_foot.x), v.y_px(r.stopper_foot.y) + kGroundBand + 16.0, "middle"});
    out += placer.place(u8"Stopper ストッパー", spots);
  }

  const double hx = v.x_px(0.0), hy = v.y_px(0.0);
  out += placer.place(u8"Hinge ヒンジ", {{hx - 10.0, hy + 20.0, "end"}, {hx - 10.0, hy + 34.0, "end"},
                                         {hx + 10.0, hy + 22.0}, {hx - 10.0, hy - 10.0, "end"}});

  // The floor's name under an end of the floor, the higher end first, clear
  // of the ground band all along the label.
  const char* floor_name = u8"Floor 床面";
  const double reach = (drawing::text_width(floor_name, kFontSize) + 8.0) / v.px_per_m;
  const auto under_floor = [&](const Point& end, double toward) {
    const double lowest = std::min(end.y, end.y + toward * reach * r.floor_slope);
    return LabelSpot{v.x_px(end.x) + toward * 8.0, v.y_px(lowest) + kGroundBand + 16.0,
                     toward > 0.0 ? "start" : "end"};
  };
  const LabelSpot left = under_floor(d.floor_left, 1.0), right = under_floor(d.floor_right, -1.0);
  out += placer.place(floor_name, d.floor_left.y >= d.floor_right.y
                                      ? std::vector<LabelSpot>{left, right}
                                      : std::vector<LabelSpot>{right, left});
  return out + "</g>\n";
}

}  // namespace plot
}  // namespace tqweir
