#include "studies/figure/section_dxf.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

#include "output/format.h"
#include "drawing/unit_symbols.h"

namespace tqweir {
namespace plot {
namespace {

struct Layer {
  const char* name;
  int colour;  // AutoCAD colour index
  const char* line_type;
};

constexpr Layer kLayers[] = {
    {"0", 7, "CONTINUOUS"},
    {"FLOOR", 8, "CONTINUOUS"},    {"LEAF", 7, "CONTINUOUS"},     {"HINGE", 7, "CONTINUOUS"},
    {"BAG", 1, "CONTINUOUS"},      {"STOPPER", 3, "CONTINUOUS"},  {"WATER_UP", 5, "CONTINUOUS"},
    {"WATER_DOWN", 5, "DASHED"},   {"LAYER2", 42, "DASHED"},      {"TEXT", 7, "CONTINUOUS"},
};

// A DXF file is a list of (group code, value) pairs, one line each.
class Dxf {
 public:
  void put(int code, const std::string& value) {
    append_format(out_, "%3d\r\n", code);
    out_ += value + "\r\n";
  }
  void put(std::initializer_list<std::pair<int, std::string>> groups) {
    for (const auto& g : groups) put(g.first, g.second);
  }
  // The vertices are the files' finite numbers; what is derived from them
  // (the text below the drawing, the hinge's circle) can still overflow.
  void put(int code, double value) {
    if (!std::isfinite(value)) {
      throw PlotInputError("a point of the run lies too far from the section to draw");
    }
    append_format(out_, "%3d\r\n%.8f\r\n", code, value);
  }
  void point(const char* layer, const Point& p) {
    put(8, layer);
    put(10, p.x);
    put(20, p.y);
    put(30, 0.0);
  }
  void polyline(const char* layer, const std::vector<Point>& points, bool closed = false) {
    put(0, "POLYLINE");
    point(layer, {0.0, 0.0});
    put({{66, "1"}, {70, closed ? "1" : "0"}});
    for (const Point& p : points) {
      put(0, "VERTEX");
      point(layer, p);
    }
    put({{0, "SEQEND"}, {8, layer}});
  }
  std::string& out() { return out_; }

 private:
  std::string out_;
};

// Printable ASCII; each '%' as "%%%", the text code of a literal percent
// sign ("%%d" is the degree sign).
std::string ascii_text(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '%') out += "%%%";
    else out += c >= 0x20 && c < 0x7f ? c : '?';
  }
  return out;
}

// The line types (metres: a dash of 0.1, a gap of 0.05), the layers and the
// text style the entities use.
void tables(Dxf& dxf) {
  dxf.put({{0, "SECTION"}, {2, "TABLES"}, {0, "TABLE"}, {2, "LTYPE"}, {70, "2"}});
  dxf.put({{0, "LTYPE"}, {2, "CONTINUOUS"}, {70, "0"}, {3, "Solid line"}, {72, "65"},
           {73, "0"}, {40, "0.0"}});
  dxf.put({{0, "LTYPE"}, {2, "DASHED"}, {70, "0"}, {3, "Dashed __ __ __"}, {72, "65"},
           {73, "2"}, {40, "0.15"}, {49, "0.1"}, {49, "-0.05"}, {0, "ENDTAB"}});
  dxf.put({{0, "TABLE"}, {2, "LAYER"}, {70, std::to_string(std::size(kLayers))}});
  for (const Layer& layer : kLayers) {
    dxf.put({{0, "LAYER"}, {2, layer.name}, {70, "0"}, {62, std::to_string(layer.colour)},
             {6, layer.line_type}});
  }
  dxf.put({{0, "ENDTAB"}, {0, "TABLE"}, {2, "STYLE"}, {70, "1"}, {0, "STYLE"}, {2, "STANDARD"},
           {70, "0"}, {40, "0.0"}, {41, "1.0"}, {50, "0.0"}, {71, "0"}, {42, "0.2"}, {3, "txt"},
           {4, ""}, {0, "ENDTAB"}, {0, "ENDSEC"}});
}

}  // namespace

std::string build_section_dxf(const RunResults& r, const std::string& case_name) {
  const Point hinge = r.leaf.front();
  double reach = r.floor_point.x;  // how far the level lines run
  for (const Point& p : r.leaf) reach = std::max(reach, p.x);
  const std::vector<Point> bag(r.bag.begin(), r.bag.end() - 1);
  std::vector<Point> water_up = r.wet_surface();
  const double up = r.value(SummaryId::upstream_level);
  water_up.insert(water_up.begin(), {-reach, up});

  Dxf dxf;
  dxf.put({{999, "tqweir section, metres, origin at the hinge"}, {0, "SECTION"}, {2, "HEADER"},
           {9, "$ACADVER"}, {1, "AC1009"}, {0, "ENDSEC"}});
  tables(dxf);
  dxf.put({{0, "SECTION"}, {2, "ENTITIES"}});
  dxf.polyline("FLOOR", {r.floor_point, hinge});
  dxf.polyline("LEAF", r.leaf);
  dxf.put(0, "CIRCLE");
  dxf.point("HINGE", hinge);
  dxf.put(40, 0.015 * reach);
  dxf.polyline("BAG", bag, true);
  dxf.polyline("STOPPER", {r.stopper_anchor, r.stopper_foot});
  if (up > 0.0) dxf.polyline("WATER_UP", water_up);
  const double down = r.value(SummaryId::hd_rel), layer = r.value(SummaryId::layer_level);
  dxf.polyline("WATER_DOWN", {{hinge.x, down}, {reach, down}});
  if (layer > 0.0) dxf.polyline("LAYER2", {{-reach, layer}, {hinge.x, layer}});

  // The key results below the drawing, one line each.
  double low = std::min({r.floor_point.y, r.stopper_foot.y, down});
  for (const Point& p : r.bag) low = std::min(low, p.y);
  const double height = 0.03 * reach;
  std::vector<std::string> lines = {"Weir cross-section, case " + ascii_text(case_name),
                                    "metres; origin at the hinge, y up"};
  for (const SummaryId id : {SummaryId::alpha, SummaryId::pressure_at_temperature,
                             SummaryId::bag_tension, SummaryId::stopper_base_angle_deg}) {
    const SummaryField& f = summary_field(id);
    lines.push_back(std::string(f.label_en) + " = " + r.text(id) +
                    drawing::unit_suffix(ascii_text(f.unit), "%%d"));
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    dxf.put(0, "TEXT");
    dxf.point("TEXT", {-reach, low - height * (2.5 + 1.6 * static_cast<double>(i))});
    dxf.put(40, height);
    dxf.put(1, lines[i]);
  }
  dxf.put({{0, "ENDSEC"}, {0, "EOF"}});
  return dxf.out();
}

}  // namespace plot
}  // namespace tqweir
