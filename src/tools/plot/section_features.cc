#include "tools/plot/section_features.h"

#include <cmath>
#include <vector>

#include "output/format.h"
#include "tools/plot/svg_text.h"

namespace tqweir {
namespace plot {
namespace {

std::string polyline(const char* id, const std::vector<Point>& points, const Viewport& view,
                     const std::string& attrs) {
  return std::string("<polyline id=\"") + id + "\" points=\"" +
         points_attribute(points, view) + "\" fill=\"none\" " + attrs + "/>\n";
}

std::string polygon(const char* id, const std::vector<Point>& points, const Viewport& view,
                    const std::string& attrs) {
  return std::string("<polygon id=\"") + id + "\" points=\"" + points_attribute(points, view) +
         "\" " + attrs + "/>\n";
}

std::string circle(const Point& p, double r, const Viewport& view, const std::string& attrs) {
  return "<circle cx=\"" + px(view.x_px(p.x)) + "\" cy=\"" + px(view.y_px(p.y)) + "\" r=\"" +
         px(r) + "\" " + attrs + "/>\n";
}

}  // namespace

std::string draw_waters(const RunResults& r, const KeyResults& key, const Viewport& view,
                        const WaterBody& upstream, const WaterBody& downstream,
                        bool with_layer) {
  const Bounds& w = view.world;
  const double band = kGroundBand / view.px_per_m;
  const std::vector<Point> ground = {{w.x_min, floor_y(r, w.x_min)},
                                     {w.x_max, floor_y(r, w.x_max)},
                                     {w.x_max, floor_y(r, w.x_max) - band},
                                     {w.x_min, floor_y(r, w.x_min) - band}};
  std::string out = polygon("ground", ground, view, "fill=\"url(#ground-hatch)\"");
  if (!downstream.area.empty()) {
    out += polygon("downstream-water", downstream.area, view,
                   "fill=\"url(#downstream-hatch)\"");
  }
  if (!upstream.area.empty()) {
    out += polygon("upstream-water", upstream.area, view, "fill=\"url(#upstream-hatch)\"");
  }
  if (with_layer) {
    const double top = view.y_px(key.layer_level);
    out += "<g clip-path=\"url(#upstream-clip)\">\n<rect x=\"" + px(view.left_px) + "\" y=\"" +
           px(top) + "\" width=\"" + px(view.width_px()) + "\" height=\"" +
           px(view.top_px + view.height_px() - top) + "\" fill=\"url(#layer-dots)\"/>\n";
    out += "<line id=\"layer-top\" x1=\"" + px(view.left_px) + "\" y1=\"" + px(top) +
           "\" x2=\"" + px(view.left_px + view.width_px()) + "\" y2=\"" + px(top) +
           "\" stroke=\"#5a4220\" stroke-width=\"1.6\" stroke-dasharray=\"1 3.5\" "
           "stroke-linecap=\"round\"/>\n</g>\n";
  }
  const std::string line = std::string("stroke=\"") + kWaterLine + "\" stroke-width=\"2\"";
  if (!downstream.surface.empty()) {
    out += polyline("downstream-surface", downstream.surface, view,
                    line + " stroke-dasharray=\"9 5\"");
  }
  if (!upstream.surface.empty()) {
    out += polyline("upstream-surface", upstream.surface, view, line);
  }
  return out;
}

std::string draw_structure(const RunResults& r, const Viewport& view) {
  const Bounds& w = view.world;
  std::string out = polyline("floor", {{w.x_min, floor_y(r, w.x_min)}, {w.x_max, floor_y(r, w.x_max)}},
                             view, "stroke=\"#111\" stroke-width=\"2\"");
  out += polygon("bag", r.bag, view,
                 "fill=\"url(#bag-fill)\" stroke=\"#111\" stroke-width=\"1.6\" "
                 "stroke-linejoin=\"round\"");
  out += polyline("leaf", r.leaf, view,
                  "stroke=\"#111\" stroke-width=\"5\" stroke-linejoin=\"round\" "
                  "stroke-linecap=\"round\"");
  out += polyline("stopper", {r.stopper_anchor, r.stopper_foot}, view,
                  "stroke=\"#111\" stroke-width=\"2.4\"");
  const std::string pin = "fill=\"#fff\" stroke=\"#111\" stroke-width=\"1.5\"";
  out += circle(r.stopper_anchor, 3.5, view, pin);
  out += circle(r.stopper_foot, 3.5, view, pin);
  out += "<g id=\"hinge\">" + circle({0.0, 0.0}, 5.5, view, "fill=\"#fff\" stroke=\"#111\" stroke-width=\"2\"") +
         circle({0.0, 0.0}, 1.6, view, "fill=\"#111\"") + "</g>\n";
  return out;
}

}  // namespace plot
}  // namespace tqweir
