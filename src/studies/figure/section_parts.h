// The parts of the section drawing and what they share. Each part returns
// SVG elements in pixels of the drawing's view.
#ifndef TQWEIR_STUDIES_FIGURE_SECTION_PARTS_H_
#define TQWEIR_STUDIES_FIGURE_SECTION_PARTS_H_

#include <string>
#include <vector>

#include "studies/figure/run_results.h"
#include "studies/figure/svg_page.h"

namespace tqweir {
namespace plot {

// The colour of the water surfaces and level marks.
constexpr const char* kWaterLine = "#1d4f8c";
// Pixels of hatched ground drawn under the floor line.
constexpr double kGroundBand = 14.0;
// Height of the title block in pixels.
constexpr double kTitleBlockHeight = 154.0;

// A body of water: the area under its level (to be clipped to its side of
// the leaf) and its free surface, from upstream to downstream; both empty
// when there is no such water in view.
struct WaterBody {
  std::vector<Point> area;
  std::vector<Point> surface;
};

struct Drawing {
  Drawing(const RunResults& r, const Viewport& v) : results(r), view(v) {}

  const RunResults& results;
  Viewport view;
  std::string prefix;  // in front of every id, so that drawings can share a page
  WaterBody upstream, downstream;
  bool with_layer = false;  // a second upstream layer stands in the upstream water
  Point floor_left, floor_right;  // the floor line at the view's edges

  std::string id(const char* name) const { return "id=\"" + prefix + name + "\""; }
  std::string url(const char* name) const { return "url(#" + prefix + name + ")"; }
};

// The upstream water, against the leaf up to the upstream level, or over it
// along suimen.csv's surface; the downstream water up to its water line.
// Each is drawn clipped to its side of the leaf above the floor, so that
// the surfaces meet the leaf and the floor where they cross them.
void find_waters(Drawing& d);

// The region on one side of the leaf above the floor, up to the view's top:
// the clip path of that side's water.
std::vector<Point> leaf_side(const Drawing& d, bool upstream);

// A faint dashed grid at every tick, drawn first.
std::string draw_grid(const Drawing& d);

// The frame of the view and, outside it, ticks with their values in metres:
// the same step on both axes. Groups "x-axis" and "y-axis" hold each tick
// as a <line> followed by its <text class="tick-label">.
std::string draw_axes(const Drawing& d);

// The hatched ground, both water bodies with their surfaces, and the second
// layer's dots up to its level inside the upstream water, each clipped to
// its side (clip paths "upstream-side", "downstream-side"): drawn before
// the structure, which covers them.
std::string draw_waters(const Drawing& d);

// The floor line, the bag, the leaf, the stopper with its pins and the
// hinge (ids floor, bag, leaf, stopper, hinge).
std::string draw_structure(const Drawing& d);

// The water-level marks with their levels and the names of the parts, in
// English and Japanese, each at the first of a few spots beside its part
// that is clear of the other labels and of the drawn lines.
std::string draw_labels(const Drawing& d);

// The block under the drawing (id "title-block"), its top left corner at
// (left, top): a heading with `case_name` (id "case-name"), eight summary
// fields with their labels and units from the summary table, a note on the
// frame and scale.
std::string draw_title_block(const Drawing& d, const std::string& case_name, double left,
                             double top, double width);

}  // namespace plot
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_FIGURE_SECTION_PARTS_H_
