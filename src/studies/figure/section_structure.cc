#include <algorithm>
#include <vector>

#include "studies/figure/section_parts.h"

namespace tqweir {
namespace plot {
namespace {

std::string shape(const char* element, const Drawing& d, const char* id,
                  const std::vector<Point>& points, const std::string& attrs) {
  return std::string("<") + element + " " + d.id(id) + " points=\"" +
         points_attribute(points, d.view) + "\" " + attrs + "/>\n";
}

std::string circle(const Viewport& view, const Point& p, double r, const std::string& attrs) {
  return "<circle " + drawing::xy_attributes("cx", "cy", view.x_px(p.x), view.y_px(p.y)) + " r=\"" +
         drawing::px(r) + "\" " + attrs + "/>\n";
}

}  // namespace

void find_waters(Drawing& d) {
  const RunResults& r = d.results;
  const Bounds& w = d.view.world;
  const double m = r.floor_slope, tip = r.leaf.back().x;
  // The hinge is the lowest point of the leaf's face: at or below it no
  // water stands against the leaf. A floor that rises out of a level ends
  // that water where it does (at x = level / m).
  const double up = r.value(SummaryId::upstream_level);
  if (up > 0.0) {
    const double left = m < 0.0 ? std::max(w.x_min, up / m) : w.x_min;
    std::vector<Point>& s = d.upstream.surface;
    s.push_back({left, up});
    for (const Point& p : r.wet_surface()) s.push_back(p);
    s.push_back({tip, s.back().y});  // on to the leaf, where the clip ends it
    d.upstream.area = s;
    d.upstream.area.insert(d.upstream.area.end(), {{tip, w.y_min}, {left, w.y_min}});
  }
  const double down = r.value(SummaryId::hd_rel);
  const double right = m > 0.0 ? std::min(w.x_max, down / m) : w.x_max;
  if (down > 0.0 || (m < 0.0 && down / m < right)) {
    d.downstream.surface = {{0.0, down}, {right, down}};
    d.downstream.area = {{0.0, down}, {right, down}, {right, w.y_min}, {0.0, w.y_min}};
  }
}

std::vector<Point> leaf_side(const Drawing& d, bool upstream) {
  const Bounds& w = d.view.world;
  std::vector<Point> side = {upstream ? d.floor_left : d.floor_right};
  side.insert(side.end(), d.results.leaf.begin(), d.results.leaf.end());
  side.push_back({d.results.leaf.back().x, w.y_max});
  side.push_back({upstream ? w.x_min : w.x_max, w.y_max});
  return side;
}

std::string draw_waters(const Drawing& d) {
  const Viewport& v = d.view;
  const double band = kGroundBand / v.px_per_m;
  const std::vector<Point> ground = {d.floor_left, d.floor_right,
                                     {d.floor_right.x, d.floor_right.y - band},
                                     {d.floor_left.x, d.floor_left.y - band}};
  std::string out = shape("polygon", d, "ground", ground, "fill=\"" + d.url("ground-hatch") + "\"");
  const std::string line = std::string("fill=\"none\" stroke=\"") + kWaterLine + "\" stroke-width=\"2\"";
  if (!d.downstream.area.empty()) {
    out += "<g clip-path=\"" + d.url("downstream-side") + "\">\n" +
           shape("polygon", d, "downstream-water", d.downstream.area,
                 "fill=\"" + d.url("downstream-hatch") + "\"") +
           shape("polyline", d, "downstream-surface", d.downstream.surface,
                 line + " stroke-dasharray=\"9 5\"") + "</g>\n";
  }
  if (d.upstream.area.empty()) return out;
  out += "<g clip-path=\"" + d.url("upstream-side") + "\">\n" +
         shape("polygon", d, "upstream-water", d.upstream.area,
               "fill=\"" + d.url("upstream-hatch") + "\"");
  if (d.with_layer) {
    // Dots from the layer's top down, inside the upstream water.
    const double top = v.y_px(d.results.value(SummaryId::layer_level));
    out += drawing::svg_rect(v.left_px, top, v.width_px(), v.height_px(),
                           "fill=\"" + d.url("layer-dots") + "\"") +
           drawing::svg_line(v.left_px, top, v.left_px + v.width_px(), top,
                           d.id("layer-top") +
                               " stroke=\"#5a4220\" stroke-width=\"1.6\" "
                               "stroke-dasharray=\"1 3.5\" stroke-linecap=\"round\"");
  }
  return out + shape("polyline", d, "upstream-surface", d.upstream.surface, line) + "</g>\n";
}

std::string draw_structure(const Drawing& d) {
  const RunResults& r = d.results;
  std::string out = shape("polyline", d, "floor", {d.floor_left, d.floor_right},
                          "fill=\"none\" stroke=\"#111\" stroke-width=\"2\"");
  out += shape("polygon", d, "bag", r.bag,
               "fill=\"" + d.url("bag-fill") +
                   "\" stroke=\"#111\" stroke-width=\"1.6\" stroke-linejoin=\"round\"");
  out += shape("polyline", d, "leaf", r.leaf,
               "fill=\"none\" stroke=\"#111\" stroke-width=\"5\" stroke-linejoin=\"round\" "
               "stroke-linecap=\"round\"");
  out += shape("polyline", d, "stopper", {r.stopper_anchor, r.stopper_foot},
               "fill=\"none\" stroke=\"#111\" stroke-width=\"2.4\"");
  const std::string pin = "fill=\"#fff\" stroke=\"#111\" stroke-width=\"1.5\"";
  out += circle(d.view, r.stopper_anchor, 3.5, pin) + circle(d.view, r.stopper_foot, 3.5, pin);
  return out + "<g " + d.id("hinge") + ">" +
         circle(d.view, {0.0, 0.0}, 5.5, "fill=\"#fff\" stroke=\"#111\" stroke-width=\"2\"") +
         circle(d.view, {0.0, 0.0}, 1.6, "fill=\"#111\"") + "</g>\n";
}

}  // namespace plot
}  // namespace tqweir
