// The drawing of a finished run's cross-section as an SVG document.
#ifndef TQWEIR_TOOLS_PLOT_SECTION_SVG_H_
#define TQWEIR_TOOLS_PLOT_SECTION_SVG_H_

#include <string>

#include "tools/plot/run_results.h"

namespace tqweir {
namespace plot {

// A complete SVG document (UTF-8): the section at true scale in metres
// (one scale for x and y, y up), with the floor, the leaf and its hinge,
// the bag filled, the stopper, the upstream water with its surface, the
// downstream water line, a second upstream layer when there is one, metre
// axes, and a title block with the key results in English and Japanese.
// Waters, bag and ground are told apart by hatching and line style, so a
// black-and-white print reads as well as the colours. `case_name` (any
// bytes; escaped) names the run in the title block.
std::string build_section_svg(const RunResults& results, const std::string& case_name);

}  // namespace plot
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_PLOT_SECTION_SVG_H_
