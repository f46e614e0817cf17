// The drawing of a finished run's cross-section as SVG: the entry points
// for tqweir-plot and for any tool that shows the section (a report embeds
// it inline, one drawing per case).
#ifndef TQWEIR_STUDIES_FIGURE_SECTION_SVG_H_
#define TQWEIR_STUDIES_FIGURE_SECTION_SVG_H_

#include <string>

#include "studies/figure/run_results.h"

namespace tqweir {
namespace plot {

// An <svg> element (UTF-8, no XML declaration, so it serves as a file and
// inline in HTML alike): the section at true scale in metres, origin at the
// hinge, with the floor, the leaf and its hinge, the bag, the stopper, the
// upstream water with its surface, the downstream water line, a second
// upstream layer when there is one, metre axes, and a title block with key
// summary fields in English and Japanese. Waters, bag and ground differ by
// hatching and line style, so a black-and-white print reads as well.
// `case_name` (any bytes; escaped) names the run in the title block.
// `id_prefix` goes in front of every id in the drawing, patterns and clip
// paths included: give each drawing on one page its own prefix. Only ASCII
// letters, digits, '-' and '_' of it are used. A section less than a
// micrometre across is shown in a frame of about a metre. Throws
// PlotInputError when the extent of the coordinates and levels overflows,
// or a point to draw lies so far off that its pixel value does.
std::string build_section_svg(const RunResults& results, const std::string& case_name,
                              const std::string& id_prefix = "");

// The same from the texts of the run's files, in memory. Throws
// PlotInputError as parse_outputs does.
std::string section_svg_from_texts(const OutputTexts& texts, const std::string& case_name,
                                   const std::string& id_prefix = "");

}  // namespace plot
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_FIGURE_SECTION_SVG_H_
