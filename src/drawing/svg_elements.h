// The text of SVG elements, in pixels: escaped character data, pixel
// values, lines, rectangles, point lists and text. Shared by every tool
// that draws (the section drawing, the report's charts).
#ifndef TQWEIR_DRAWING_SVG_ELEMENTS_H_
#define TQWEIR_DRAWING_SVG_ELEMENTS_H_

#include <stdexcept>
#include <string>

namespace tqweir {
namespace drawing {

// A value that no picture can hold (not finite): thrown by px(), so that
// a drawing is refused rather than written with "inf" in it.
class UndrawableValue : public std::runtime_error {
 public:
  UndrawableValue() : std::runtime_error("a value of the drawing is not finite") {}
};

// `text` made safe as XML character data or attribute value: & < > " ' as
// entities; every byte that is not part of well-formed UTF-8, and every
// control character XML forbids, replaced by '?'. Any folder name thus
// yields a well-formed document.
std::string xml_escape(const std::string& text);

// A pixel value with two decimals (far below what a screen or printer
// shows), never "-0.00". Throws UndrawableValue for a value that is not
// finite.
std::string px(double value);

// The two attributes `x_name`="x" `y_name`="y" of a position in pixels,
// e.g. xy_attributes("cx", "cy", 3, 4) is cx="3.00" cy="4.00".
std::string xy_attributes(const char* x_name, const char* y_name, double x, double y);

// x1="" y1="" x2="" y2="" of a line from (x1, y1) to (x2, y2), in pixels.
std::string line_attributes(double x1, double y1, double x2, double y2);

// Appends the point (x, y), in pixels, to the "x,y x,y ..." list of an
// SVG polyline or polygon.
void append_point(std::string& points, double x, double y);

// A generous estimate of the width in pixels of UTF-8 `text` at
// `font_size`: ASCII at 0.6 of the size, any other character (Japanese,
// Greek) at the full size.
double text_width(const std::string& text, double font_size);

// <line>, <rect> in pixels, with `attrs` written as given.
std::string svg_line(double x1, double y1, double x2, double y2, const std::string& attrs = "");
std::string svg_rect(double x, double y, double width, double height,
                     const std::string& attrs = "");

// <text x=".." y="..">escaped text</text>, with `attrs` written as given.
std::string text_element(double x, double y, const std::string& text,
                         const std::string& attrs = "");

}  // namespace drawing
}  // namespace tqweir

#endif  // TQWEIR_DRAWING_SVG_ELEMENTS_H_
