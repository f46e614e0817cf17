#include "drawing/svg_elements.h"

#include <cmath>

#include "output/format.h"

namespace tqweir {
namespace drawing {
namespace {

// Length of the UTF-8 character at text[i] (1 to 4), or 0 when the bytes
// there are not one that XML may hold: a stray or missing continuation
// byte, an overlong form, a surrogate, U+FFFE, U+FFFF or above U+10FFFF.
std::size_t utf8_length(const std::string& text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned lead = byte(i);
  const std::size_t n = lead < 0x80                    ? 1
                        : lead >= 0xc2 && lead <= 0xdf ? 2
                        : lead >= 0xe0 && lead <= 0xef ? 3
                        : lead >= 0xf0 && lead <= 0xf4 ? 4
                                                       : 0;
  if (n == 1) return 1;
  if (n == 0 || i + n > text.size()) return 0;
  unsigned code = lead & (0x7fu >> n);
  for (std::size_t k = 1; k < n; ++k) {
    if ((byte(i + k) & 0xc0) != 0x80) return 0;
    code = (code << 6) | (byte(i + k) & 0x3f);
  }
  const unsigned least = n == 2 ? 0x80 : n == 3 ? 0x800 : 0x10000;
  if (code < least || (code >= 0xd800 && code <= 0xdfff) || code == 0xfffe || code == 0xffff ||
      code > 0x10ffff) {
    return 0;
  }
  return n;
}

}  // namespace

std::string xml_escape(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = utf8_length(text, i);
    const char c = text[i];
    if (n > 1) {
      out.append(text, i, n);
    } else if (n == 0 || c == '\x7f' ||
               (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')) {
      out += '?';  // XML 1.0 cannot hold these, not even as references
    } else if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else if (c == '"') {
      out += "&quot;";
    } else if (c == '\'') {
      out += "&apos;";
    } else {
      out += c;
    }
    i += n > 0 ? n : 1;
  }
  return out;
}

std::string px(double value) {
  // A value far outside the view (a level near the largest double) can
  // overflow on the way to pixels; no picture holds "inf".
  if (!std::isfinite(value)) {
    throw UndrawableValue();
  }
  std::string out;
  append_format(out, "%.2f", value);
  return out == "-0.00" ? "0.00" : out;
}

std::string xy_attributes(const char* x_name, const char* y_name, double x, double y) {
  return std::string(x_name) + "=\"" + px(x) + "\" " + y_name + "=\"" + px(y) + "\"";
}

std::string line_attributes(double x1, double y1, double x2, double y2) {
  return xy_attributes("x1", "y1", x1, y1) + " " + xy_attributes("x2", "y2", x2, y2);
}

void append_point(std::string& points, double x, double y) {
  if (!points.empty()) points += ' ';
  points += px(x) + "," + px(y);
}

double text_width(const std::string& text, double font_size) {
  double width = 0.0;
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x80) width += 0.6 * font_size;
    else if ((u & 0xc0) != 0x80) width += font_size;  // a multi-byte character's lead byte
  }
  return width;
}

std::string svg_line(double x1, double y1, double x2, double y2, const std::string& attrs) {
  return "<line " + line_attributes(x1, y1, x2, y2) + " " + attrs + "/>\n";
}

std::string svg_rect(double x, double y, double width, double height, const std::string& attrs) {
  return "<rect " + xy_attributes("x", "y", x, y) + " " +
         xy_attributes("width", "height", width, height) + " " + attrs + "/>\n";
}

std::string text_element(double x, double y, const std::string& text, const std::string& attrs) {
  return "<text " + xy_attributes("x", "y", x, y) + (attrs.empty() ? "" : " " + attrs) + ">" +
         xml_escape(text) + "</text>\n";
}

}  // namespace drawing
}  // namespace tqweir
