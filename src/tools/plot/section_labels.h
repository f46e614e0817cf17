// The names and levels written on the section drawing.
#ifndef TQWEIR_TOOLS_PLOT_SECTION_LABELS_H_
#define TQWEIR_TOOLS_PLOT_SECTION_LABELS_H_

#include <string>

#include "tools/plot/key_results.h"
#include "tools/plot/viewport.h"
#include "tools/plot/water_bodies.h"

namespace tqweir {
namespace plot {

// The water-level marks with their levels, and the names of the leaf, bag,
// stopper, hinge and floor, in English and Japanese. Each label takes the
// first of a few spots beside its part that is clear of the other labels
// and of the drawn lines; a white halo keeps it readable over hatching.
std::string draw_labels(const RunResults& results, const KeyResults& key, const Viewport& view,
                        const WaterBody& upstream, const WaterBody& downstream,
                        bool with_layer);

}  // namespace plot
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_PLOT_SECTION_LABELS_H_
