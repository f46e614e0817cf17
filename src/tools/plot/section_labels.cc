#include "tools/plot/section_labels.h"

#include <cmath>
#include <vector>

#include "output/format.h"
#include "tools/plot/label_placer.h"
#include "tools/plot/polyline_measures.h"
#include "tools/plot/section_features.h"
#include "tools/plot/svg_text.h"

namespace tqweir {
namespace plot {
namespace {

constexpr double kFontSize = 13.0;

std::string with_value(const char* name, double level) {
  std::string out = name;
  append_format(out, " %.3f m", level);
  return out;
}

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

void avoid(LabelPlacer& placer, const std::vector<Point>& line, const Viewport& view) {
  std::vector<double> xs, ys;
  for (const Point& p : line) {
    xs.push_back(view.x_px(p.x));
    ys.push_back(view.y_px(p.y));
  }
  placer.avoid_line(xs, ys);
}

// Spots beside a straight or bent member: at the given fractions of its
// length, `distance` pixels off it, first on the side
// `normal_sign` picks (+1: to the right when walking along it), then on
// the other.
std::vector<LabelSpot> spots_beside(const std::vector<Point>& line, const Viewport& view,
                                    const std::vector<double>& fractions, double normal_sign,
                                    double distance) {
  std::vector<LabelSpot> spots;
  const double length = polyline_length(line);
  for (const double side : {normal_sign, -normal_sign}) {
    for (const double f : fractions) {
      Point at, d{1.0, 0.0};
      point_along(line, f * length, at, d);
      const Point n{side * d.y, -side * d.x};
      spots.push_back({view.x_px(at.x) + n.x * distance,
                       view.y_px(at.y) - n.y * distance + 0.35 * kFontSize,
                       n.x >= 0.0 ? "start" : "end"});
    }
  }
  return spots;
}

}  // namespace

std::string draw_labels(const RunResults& r, const KeyResults& key, const Viewport& view,
                        const WaterBody& upstream, const WaterBody& downstream,
                        bool with_layer) {
  const Bounds& w = view.world;
  LabelPlacer placer({view.left_px, view.top_px, view.left_px + view.width_px(),
                      view.top_px + view.height_px()},
                     kFontSize);
  const std::vector<Point> stopper = {r.stopper_anchor, r.stopper_foot};
  const std::vector<Point> floor = {{w.x_min, floor_y(r, w.x_min)}, {w.x_max, floor_y(r, w.x_max)}};
  for (const auto* line : {&r.leaf, &stopper, &r.bag, &floor, &upstream.surface, &downstream.surface}) {
    avoid(placer, *line, view);
  }

  std::string out = "<g id=\"labels\" font-size=\"13\" fill=\"#111\" stroke=\"#fff\" "
                    "stroke-width=\"3.5\" stroke-linejoin=\"round\" paint-order=\"stroke\">\n";
  // The levels first: their labels belong right at their lines.
  if (!upstream.surface.empty()) {
    const double x = view.x_px(upstream.surface.front().x) + 30.0;
    const double y = view.y_px(key.upstream_level);
    out += level_mark(x, y);
    placer.avoid_box({x - 7.0, y - 11.0, x + 7.0, y + 8.0});
    out += placer.place(with_value(u8"Upstream level \u4e0a\u6d41\u6c34\u4f4d", key.upstream_level),
                        {{x + 12.0, y - 6.0, "start"}, {x + 132.0, y - 6.0, "start"},
                         {x + 12.0, y + 18.0, "start"}});
  }
  if (!downstream.surface.empty()) {
    const double x = view.x_px(downstream.surface.back().x) - 30.0;
    const double y = view.y_px(key.downstream_level);
    out += level_mark(x, y);
    placer.avoid_box({x - 7.0, y - 11.0, x + 7.0, y + 8.0});
    out += placer.place(
        with_value(u8"Downstream level \u4e0b\u6d41\u6c34\u4f4d", key.downstream_level),
        {{x - 12.0, y - 6.0, "end"}, {x - 12.0, y + 18.0, "end"}, {x - 132.0, y - 6.0, "end"},
         {x - 132.0, y + 18.0, "end"}});
  }
  if (with_layer) {
    const double x = view.x_px(upstream.area.front().x) + 12.0;
    const double y = view.y_px(key.layer_level);
    out += placer.place(with_value(u8"Second layer \u7b2c2\u5c64", key.layer_level),
                        {{x, y - 8.0, "start"}, {x, y + 18.0, "start"}});
  }

  // The leaf's name goes under it (the side away from the upstream water),
  // preferably halfway along the stretch that the stopper leaves free.
  const double length = polyline_length(r.leaf);
  const double anchor = arc_length_at(r.leaf, r.stopper_anchor) / length;
  const double free_middle = anchor < 0.55 ? (anchor + 1.0) / 2.0 : anchor / 2.0;
  out += placer.place(u8"Leaf \u6249\u4f53",
                      spots_beside(r.leaf, view, {free_middle, 0.5, 0.8, 0.3, 0.95}, 1.0, 14.0));

  const Point middle = centroid(r.bag);
  Bounds bag;
  for (const Point& p : r.bag) bag.include(p);
  const double cx = view.x_px(middle.x), cy = view.y_px(middle.y) + 0.35 * kFontSize;
  out += placer.place(u8"Bag \u888b\u4f53",
                      {{cx, cy, "middle"},
                       {view.x_px(bag.x_max) + 8.0, cy, "start"},
                       {cx, view.y_px(bag.y_min) + kGroundBand + 14.0, "middle"},
                       {cx, view.y_px(bag.y_max) - 8.0, "middle"}});

  // The stopper's name on the side away from the hinge, where the bag is not.
  const double sx = r.stopper_foot.x - r.stopper_anchor.x;
  const double sy = r.stopper_foot.y - r.stopper_anchor.y;
  const Point mid{(r.stopper_anchor.x + r.stopper_foot.x) / 2.0,
                  (r.stopper_anchor.y + r.stopper_foot.y) / 2.0};
  const double away = (sy * mid.x - sx * mid.y) >= 0.0 ? 1.0 : -1.0;
  if (std::hypot(sx, sy) > 0.0) {
    // Beside it away from the hinge; else under its foot, below the
    // ground; else on the hinge's side.
    const std::vector<double> along = {0.5, 0.35, 0.65, 0.2, 0.8};
    std::vector<LabelSpot> spots = spots_beside(stopper, view, along, away, 10.0);
    spots.resize(spots.size() / 2);
    spots.push_back({view.x_px(r.stopper_foot.x),
                     view.y_px(r.stopper_foot.y) + kGroundBand + 16.0, "middle"});
    const std::vector<LabelSpot> other = spots_beside(stopper, view, along, -away, 10.0);
    spots.insert(spots.end(), other.begin(), other.begin() + other.size() / 2);
    out += placer.place(u8"Stopper \u30b9\u30c8\u30c3\u30d1\u30fc", spots);
  }

  const double hx = view.x_px(0.0), hy = view.y_px(0.0);
  out += placer.place(u8"Hinge \u30d2\u30f3\u30b8",
                      {{hx - 10.0, hy + 20.0, "end"},
                       {hx - 10.0, hy + 34.0, "end"},
                       {hx + 10.0, hy + 22.0, "start"},
                       {hx - 10.0, hy - 10.0, "end"}});

  // The floor's name under an end of the floor, the higher end first,
  // clear of the ground band all along the label.
  const double floor_width = text_width(u8"Floor \u5e8a\u9762", kFontSize) + 8.0;
  const auto under_floor = [&](double x_end, double toward) {
    const double x_far = x_end + toward * floor_width / view.px_per_m;
    const double lowest = std::fmin(floor_y(r, x_end), floor_y(r, x_far));
    return LabelSpot{view.x_px(x_end) + toward * 8.0,
                     view.y_px(lowest) + kGroundBand + 16.0, toward > 0.0 ? "start" : "end"};
  };
  const LabelSpot left_end = under_floor(w.x_min, 1.0);
  const LabelSpot right_end = under_floor(w.x_max, -1.0);
  out += placer.place(u8"Floor \u5e8a\u9762", floor_y(r, w.x_min) >= floor_y(r, w.x_max)
                                                  ? std::vector<LabelSpot>{left_end, right_end}
                                                  : std::vector<LabelSpot>{right_end, left_end});
  return out + "</g>\n";
}

}  // namespace plot
}  // namespace tqweir
