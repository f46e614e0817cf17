#include "studies/figure/section_svg.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <vector>

#include "output/format.h"
#include "studies/figure/section_parts.h"

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
constexpr double kDrawingWidth = kCanvasWidth - kMarginLeft - kMarginRight;

// Japanese text needs a font with its characters; the generic family is
// the last resort of viewers that have none of the named ones.
constexpr const char* kFontFamily = "'Noto Sans CJK JP', 'IPAPGothic', 'IPAGothic', sans-serif";

// Below this a section is a point at the files' resolution (8 decimals);
// it is shown in a frame of about a metre instead, so that the scale stays
// finite (m).
constexpr double kLeastExtent = 1e-6;

// The part of the section frame to show: the structure and the water
// levels, a stretch of the upstream channel wide enough to read as a water
// body, some channel downstream, and room above and below for labels.
Bounds section_extent(const RunResults& r) {
  Bounds b;
  for (const auto* line : {&r.leaf, &r.bag}) {
    for (const Point& p : *line) b.include(p);
  }
  for (const Point& p : {r.floor_point, r.stopper_anchor, r.stopper_foot}) b.include(p);
  for (const SurfaceRow& row : r.surface) {
    b.include({row.x, row.surface});
    b.include({row.x, row.bed});
  }
  const double upstream = r.value(SummaryId::upstream_level);
  if (upstream > 0.0) b.include({0.0, upstream});
  b.include({0.0, r.value(SummaryId::hd_rel)});
  double size = std::max(b.width(), b.height());
  if (size < kLeastExtent) size = 1.0;
  b.x_min -= 0.3 * size;
  b.x_max += 0.12 * size;
  b.include({b.x_min, r.floor_slope * b.x_min});
  b.include({b.x_max, r.floor_slope * b.x_max});
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

// Fills that stay distinct in black and white: continuous hatching for the
// upstream water, broken hatching for the downstream water, dots for the
// layer (on sand) and the bag (on grey), slanted hatching for the ground.
// Each tile: id, width, height, background colour, then what is drawn on it.
constexpr const char* kPatterns[][5] = {
    {"upstream-hatch", "8", "7", "#d2e4f6",
     "<line x1=\"0\" y1=\"3.5\" x2=\"8\" y2=\"3.5\" stroke=\"#4f7fbf\" stroke-width=\"0.8\"/>"},
    {"downstream-hatch", "12", "7", "#e6f0fa",
     "<line x1=\"0\" y1=\"3.5\" x2=\"6\" y2=\"3.5\" stroke=\"#3a6ea8\" stroke-width=\"0.9\"/>"},
    {"layer-dots", "6", "6", "#ece3cf", "<circle cx=\"3\" cy=\"3\" r=\"1.15\" fill=\"#5a4220\"/>"},
    {"bag-fill", "6", "6", "#c8c8c8", "<circle cx=\"3\" cy=\"3\" r=\"0.7\" fill=\"#6f6f6f\"/>"},
    {"ground-hatch", "7", "7", "none",
     "<line x1=\"0\" y1=\"0\" x2=\"0\" y2=\"7\" stroke=\"#555\" stroke-width=\"1\"/>"},
};

std::string definitions(const Drawing& d) {
  const Viewport& v = d.view;
  std::string out = "<defs>\n";
  for (const auto& p : kPatterns) {
    const std::string size = std::string("width=\"") + p[1] + "\" height=\"" + p[2] + "\"";
    out += "<pattern " + d.id(p[0]) + " " + size + " patternUnits=\"userSpaceOnUse\"" +
           (std::string(p[0]) == "ground-hatch" ? " patternTransform=\"rotate(45)\"" : "") +
           "><rect " + size + " fill=\"" + p[3] + "\"/>" + p[4] + "</pattern>\n";
  }
  out += "<clipPath " + d.id("view-clip") + ">" +
         drawing::svg_rect(v.left_px, v.top_px, v.width_px(), v.height_px()) + "</clipPath>\n";
  for (const bool upstream : {true, false}) {
    out += "<clipPath " + d.id(upstream ? "upstream-side" : "downstream-side") +
           "><polygon points=\"" + points_attribute(leaf_side(d, upstream), v) +
           "\"/></clipPath>\n";
  }
  return out + "</defs>\n";
}

// One swatch and its name per body that a fill stands for.
std::string legend(const Drawing& d) {
  std::vector<std::pair<const char*, const char*>> items = {
      {"upstream-hatch", u8"Upstream water 上流側の水"},
      {"downstream-hatch", u8"Downstream water 下流側の水"},
      {"bag-fill", u8"Bag 袋体"},
      {"ground-hatch", u8"Ground 地盤"},
  };
  if (d.with_layer) items.push_back({"layer-dots", u8"Second layer 第2層"});
  std::string out = "<g " + d.id("legend") + " font-size=\"12\">\n";
  double x = kMarginLeft;
  for (const auto& item : items) {
    out +=
        drawing::svg_rect(x, 16, 26, 14,
                        "fill=\"" + d.url(item.first) + "\" stroke=\"#333\" stroke-width=\"0.8\"") +
        drawing::text_element(x + 32, 27.5, item.second);
    x += 32.0 + drawing::text_width(item.second, 12.0) + 24.0;
  }
  return out + "</g>\n";
}

// The whole page of drawing `d`, its title block at block_top (px).
std::string page(const Drawing& d, const std::string& case_name, double block_top) {
  const double height = block_top + kTitleBlockHeight + kMarginBottom;
  std::string out;
  append_format(out,
                "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%g\" height=\"%.0f\" "
                "viewBox=\"0 0 %g %.0f\" font-family=\"%s\">\n",
                kCanvasWidth, height, kCanvasWidth, height, kFontFamily);
  out +=
      "<title>" + drawing::xml_escape(u8"Weir cross-section 堰の断面図: " + case_name) + "</title>\n";
  out += "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
  out += definitions(d) + legend(d) + draw_grid(d);
  out += "<g clip-path=\"" + d.url("view-clip") + "\">\n" + draw_waters(d) + draw_structure(d) +
         draw_labels(d) + "</g>\n";
  out += draw_axes(d) + draw_title_block(d, case_name, kMarginLeft, block_top, kDrawingWidth);
  return out + "</svg>\n";
}

}  // namespace

std::string build_section_svg(const RunResults& results, const std::string& case_name,
                              const std::string& id_prefix) {
  const Bounds extent = section_extent(results);
  // Coordinates near the largest double make the extent itself overflow:
  // no scale maps it onto the page.
  if (!std::isfinite(extent.width()) || !std::isfinite(extent.height())) {
    throw PlotInputError(
        "the section is too large to draw: the extent of its coordinates and levels overflows");
  }
  Drawing d{results,
            fit_viewport(extent, kMarginLeft, kDrawingTop, kDrawingWidth, kMaxDrawingHeight)};
  for (const char c : id_prefix) {
    if (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_') d.prefix += c;
  }
  const Bounds& w = d.view.world;
  d.floor_left = {w.x_min, results.floor_slope * w.x_min};
  d.floor_right = {w.x_max, results.floor_slope * w.x_max};
  find_waters(d);
  d.with_layer = results.value(SummaryId::layer_level) > 0.0 && !d.upstream.area.empty();
  const double block_top = kDrawingTop + d.view.height_px() + kAxisRoom;

  // The extent is finite, yet a level near the largest double can still
  // overflow on its way to pixels.
  try {
    return page(d, case_name, block_top);
  } catch (const drawing::UndrawableValue&) {
    throw PlotInputError("a point of the run lies too far from the section to draw");
  }
}

std::string section_svg_from_texts(const OutputTexts& texts, const std::string& case_name,
                                   const std::string& id_prefix) {
  return build_section_svg(parse_outputs(texts), case_name, id_prefix);
}

}  // namespace plot
}  // namespace tqweir
