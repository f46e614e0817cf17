// The parts of the section drawing: waters, structure, labels. Each
// returns SVG elements in pixels of `view`; the caller clips them to it.
#ifndef TQWEIR_TOOLS_PLOT_SECTION_FEATURES_H_
#define TQWEIR_TOOLS_PLOT_SECTION_FEATURES_H_

#include <string>

#include "tools/plot/key_results.h"
#include "tools/plot/viewport.h"
#include "tools/plot/water_bodies.h"

namespace tqweir {
namespace plot {

// The colour of the water surfaces and level marks.
constexpr const char* kWaterLine = "#1d4f8c";
// Pixels of hatched ground drawn under the floor line.
constexpr double kGroundBand = 14.0;

// The ground under the floor, both water bodies with their surfaces, and
// the second layer's dots up to its level inside the upstream water.
// Drawn first: the bag covers the downstream water under the leaf.
std::string draw_waters(const RunResults& results, const KeyResults& key, const Viewport& view,
                        const WaterBody& upstream, const WaterBody& downstream,
                        bool with_layer);

// The floor line, the bag (filled), the leaf, the stopper with its pins and
// the hinge. Elements carry ids: floor, bag, leaf, stopper, hinge.
std::string draw_structure(const RunResults& results, const Viewport& view);

}  // namespace plot
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_PLOT_SECTION_FEATURES_H_
