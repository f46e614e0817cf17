// Putting SVG documents inside one HTML page.
#ifndef TQWEIR_TOOLS_REPORT_SVG_EMBED_H_
#define TQWEIR_TOOLS_REPORT_SVG_EMBED_H_

#include <string>

namespace tqweir {
namespace report {

// An SVG document as an element of an HTML page: the XML declaration
// dropped, and every id (with each reference to it: url(#..), href="#..")
// given `prefix`, because ids share one name space across the whole page
// and every drawing names its patterns and clip paths alike.
std::string embed_svg(const std::string& document, const std::string& prefix);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_REPORT_SVG_EMBED_H_
