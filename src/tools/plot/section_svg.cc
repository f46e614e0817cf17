#include "tools/plot/section_svg.h"

#include <algorithm>
#include <vector>

#include "output/format.h"
#include "tools/plot/axes.h"
#include "tools/plot/key_results.h"
#include "tools/plot/section_features.h"
#include "tools/plot/section_labels.h"
#include "tools/plot/svg_text.h"
#include "tools/plot/title_block.h"
#include "tools/plot/water_bodies.h"

namespace tqweir {
namespace plot {
namespace {

// Page layout in pixels: the legend on top, the drawing with room for its
// axis labels, the title block at the bottom.
constexpr double kCanvasWidth = 960.0;
constexpr double kMarginLeft = 64.0;
constexpr double kMarginRight = 24.0;
constexpr double kDrawingTop = 52.0;
constexpr double kMaxDrawingHeight = 600.0;
constexpr double kAxisRoom = 50.0;
constexpr double kMarginBottom = 12.0;

// Japanese text needs a font with its characters; the generic family is
// the last resort of viewers that have none of the named ones.
constexpr const char* kFontFamily = "'Noto Sans CJK JP', 'IPAPGothic', 'IPAGothic', sans-serif";

// The part of the section frame to show: the structure and the water
// levels, a stretch of the upstream channel wide enough to read as a water
// body, some channel downstream, and room above and below for labels.
Bounds section_extent(const RunResults& r, const KeyResults& k) {
  Bounds b;
  for (const Point& p : r.leaf) b.include(p);
  for (const Point& p : r.bag) b.include(p);
  b.include(r.floor_point);
  b.include(r.stopper_anchor);
  b.include(r.stopper_foot);
  for (const SurfaceRow& row : r.surface) {
    b.include({row.x, row.surface});
    b.include({row.x, row.bed});
  }
  if (k.upstream_level > 0.0) b.include({0.0, k.upstream_level});
  b.include({0.0, k.downstream_level});
  const double size = std::max(b.width(), b.height());
  b.x_min -= 0.3 * size;
  b.x_max += 0.12 * size;
  b.include({b.x_min, floor_y(r, b.x_min)});
  b.include({b.x_max, floor_y(r, b.x_max)});
  b.y_min -= 0.07 * size;
  b.y_max += 0.08 * size;
  // A low, long section still gets room above it for its labels.
  const double short_by = 0.3 * b.width() - b.height();
  if (short_by > 0.0) {
    b.y_max += 0.75 * short_by;
    b.y_min -= 0.25 * short_by;
  }
  return b;
}

std::string pattern(const char* id, double w, double h, const std::string& body,
                    const char* extra = "") {
  std::string out;
  append_format(out,
                "<pattern id=\"%s\" width=\"%g\" height=\"%g\" "
                "patternUnits=\"userSpaceOnUse\"%s>",
                id, w, h, extra);
  return out + body + "</pattern>\n";
}

// Fills that stay distinct in black and white: continuous hatching for the
// upstream water, broken hatching for the downstream water, dots for the
// layer (on sand) and the bag (on grey), slanted hatching for the ground.
std::string definitions(const Viewport& view, const WaterBody& upstream) {
  std::string out = "<defs>\n";
  out += pattern("upstream-hatch", 8, 7,
                 "<rect width=\"8\" height=\"7\" fill=\"#d2e4f6\"/>"
                 "<line x1=\"0\" y1=\"3.5\" x2=\"8\" y2=\"3.5\" stroke=\"#4f7fbf\" "
                 "stroke-width=\"0.8\"/>");
  out += pattern("downstream-hatch", 12, 7,
                 "<rect width=\"12\" height=\"7\" fill=\"#e6f0fa\"/>"
                 "<line x1=\"0\" y1=\"3.5\" x2=\"6\" y2=\"3.5\" stroke=\"#3a6ea8\" "
                 "stroke-width=\"0.9\"/>");
  out += pattern("layer-dots", 6, 6,
                 "<rect width=\"6\" height=\"6\" fill=\"#ece3cf\"/>"
                 "<circle cx=\"3\" cy=\"3\" r=\"1.15\" fill=\"#5a4220\"/>");
  out += pattern("bag-fill", 6, 6,
                 "<rect width=\"6\" height=\"6\" fill=\"#c8c8c8\"/>"
                 "<circle cx=\"3\" cy=\"3\" r=\"0.7\" fill=\"#6f6f6f\"/>");
  out += pattern("ground-hatch", 7, 7,
                 "<line x1=\"0\" y1=\"0\" x2=\"0\" y2=\"7\" stroke=\"#555\" stroke-width=\"1\"/>",
                 " patternTransform=\"rotate(45)\"");
  out += "<clipPath id=\"view-clip\"><rect x=\"" + px(view.left_px) + "\" y=\"" +
         px(view.top_px) + "\" width=\"" + px(view.width_px()) + "\" height=\"" +
         px(view.height_px()) + "\"/></clipPath>\n";
  if (!upstream.area.empty()) {
    out += "<clipPath id=\"upstream-clip\"><polygon points=\"" +
           points_attribute(upstream.area, view) + "\"/></clipPath>\n";
  }
  return out + "</defs>\n";
}

// One swatch and its name per body that a fill stands for.
std::string legend(bool with_layer) {
  struct Item {
    const char* fill;
    const char* name;
  };
  std::vector<Item> items = {
      {"url(#upstream-hatch)", u8"Upstream water \u4e0a\u6d41\u5074\u306e\u6c34"},
      {"url(#downstream-hatch)", u8"Downstream water \u4e0b\u6d41\u5074\u306e\u6c34"},
      {"url(#bag-fill)", u8"Bag \u888b\u4f53"},
      {"url(#ground-hatch)", u8"Ground \u5730\u76e4"},
  };
  if (with_layer) items.push_back({"url(#layer-dots)", u8"Second layer \u7b2c2\u5c64"});
  std::string out = "<g id=\"legend\" font-size=\"12\">\n";
  double x = kMarginLeft;
  for (const Item& item : items) {
    out += "<rect x=\"" + px(x) + "\" y=\"16\" width=\"26\" height=\"14\" fill=\"" + item.fill +
           "\" stroke=\"#333\" stroke-width=\"0.8\"/>\n";
    out += text_element(x + 32, 27.5, item.name);
    x += 32.0 + text_width(item.name, 12.0) + 24.0;
  }
  return out + "</g>\n";
}

}  // namespace

std::string build_section_svg(const RunResults& results, const std::string& case_name) {
  const KeyResults key = key_results(results);
  const double drawing_width = kCanvasWidth - kMarginLeft - kMarginRight;
  const Viewport view = fit_viewport(section_extent(results, key), kMarginLeft, kDrawingTop,
                                     drawing_width, kMaxDrawingHeight);
  const WaterBody upstream = upstream_water(results, view.world.x_min);
  const WaterBody downstream = downstream_water(results, view.world.x_max);
  const double block_top = kDrawingTop + view.height_px() + kAxisRoom;
  const double height = block_top + kTitleBlockHeight + kMarginBottom;

  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  append_format(out,
                "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%g\" height=\"%.0f\" "
                "viewBox=\"0 0 %g %.0f\" font-family=\"%s\">\n",
                kCanvasWidth, height, kCanvasWidth, height, kFontFamily);
  out += "<title>" + xml_escape(u8"Weir cross-section \u5830\u306e\u65ad\u9762\u56f3: " +
                                case_name) +
         "</title>\n";
  out += "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
  const bool with_layer = key.layer_level > 0.0 && !upstream.area.empty();
  out += definitions(view, upstream);
  out += legend(with_layer);
  out += draw_grid(view);
  out += "<g clip-path=\"url(#view-clip)\">\n";
  out += draw_waters(results, key, view, upstream, downstream, with_layer);
  out += draw_structure(results, view);
  out += draw_labels(results, key, view, upstream, downstream, with_layer);
  out += "</g>\n";
  out += draw_axes(view);
  out += draw_title_block(key, case_name, kMarginLeft, block_top, drawing_width);
  return out + "</svg>\n";
}

}  // namespace plot
}  // namespace tqweir
