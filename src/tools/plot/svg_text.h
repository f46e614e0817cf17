// Pieces of SVG text: escaped character data, pixel numbers, point lists.
#ifndef TQWEIR_TOOLS_PLOT_SVG_TEXT_H_
#define TQWEIR_TOOLS_PLOT_SVG_TEXT_H_

#include <string>
#include <vector>

#include "tools/plot/viewport.h"

namespace tqweir {
namespace plot {

// `text` made safe for XML character data and attribute values: & < > " '
// as entities, and every byte that is not part of well-formed UTF-8 or is a
// control character XML forbids replaced by '?'. Any folder name thus
// yields a well-formed document.
std::string xml_escape(const std::string& text);

// A pixel value with two decimals (a hundredth of a pixel is far below
// what a screen or printer shows), "-0.00" written as "0.00".
std::string px(double value);

// The "x,y x,y ..." list of an SVG polyline or polygon: the points mapped
// to pixels.
std::string points_attribute(const std::vector<Point>& points, const Viewport& view);

// A generous estimate of the width in pixels of UTF-8 `text` set at
// `font_size`: ASCII at 0.6 of the size, any other character (Japanese,
// Greek) at the full size, as a proportional Japanese font sets them.
double text_width(const std::string& text, double font_size);

// <text x=".." y="..">escaped text</text> with extra attributes `attrs`
// (written as given, so they must be escaped already).
std::string text_element(double x, double y, const std::string& text,
                         const std::string& attrs = "");

}  // namespace plot
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_PLOT_SVG_TEXT_H_
