// The title block under the drawing: what is drawn and its key results,
// labelled in English and Japanese.
#ifndef TQWEIR_TOOLS_PLOT_TITLE_BLOCK_H_
#define TQWEIR_TOOLS_PLOT_TITLE_BLOCK_H_

#include <string>

#include "tools/plot/key_results.h"

namespace tqweir {
namespace plot {

// Height of the block in pixels.
constexpr double kTitleBlockHeight = 154.0;

// The block as SVG (group id="title-block"), its top left corner at (left,
// top), `width` pixels wide: a heading with the case name, eight results in
// two columns, and a note on the frame and scale.
std::string draw_title_block(const KeyResults& results, const std::string& case_name,
                             double left, double top, double width);

// At most `max_chars` characters of UTF-8 `text` (never a partial
// character), with "..." when it was longer.
std::string shorten_utf8(const std::string& text, std::size_t max_chars);

}  // namespace plot
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_PLOT_TITLE_BLOCK_H_
