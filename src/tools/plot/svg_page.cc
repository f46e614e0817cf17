#include "tools/plot/svg_page.h"

#include <algorithm>
#include <cmath>

#include "output/format.h"

namespace tqweir {
namespace plot {
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

void Bounds::include(const Point& p) {
  x_min = std::min(x_min, p.x);
  x_max = std::max(x_max, p.x);
  y_min = std::min(y_min, p.y);
  y_max = std::max(y_max, p.y);
}

Viewport fit_viewport(const Bounds& content, double left_px, double top_px,
                      double max_width_px, double max_height_px) {
  Bounds world = content;
  // A level content (no height) gets a height from its width; a content
  // of no width is widened below like any tall one.
  if (world.height() <= 0.0) {
    world.y_min -= world.width() / 2.0;
    world.y_max += world.width() / 2.0;
  }
  Viewport v;
  v.left_px = left_px;
  v.top_px = top_px;
  v.px_per_m = std::min(max_width_px / world.width(), max_height_px / world.height());
  const double spare_m = max_width_px / v.px_per_m - world.width();
  world.x_min -= spare_m / 2.0;
  world.x_max += spare_m / 2.0;
  v.world = world;
  return v;
}

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
  // A value of the run far outside the view (a level near the largest
  // double) can overflow on the way to pixels; no picture holds "inf".
  if (!std::isfinite(value)) {
    throw PlotInputError("a point of the run lies too far from the section to draw");
  }
  std::string out;
  append_format(out, "%.2f", value);
  return out == "-0.00" ? "0.00" : out;
}

std::string points_attribute(const std::vector<Point>& points, const Viewport& view) {
  std::string out;
  for (const Point& p : points) {
    if (!out.empty()) out += ' ';
    out += px(view.x_px(p.x)) + "," + px(view.y_px(p.y));
  }
  return out;
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
  return "<line x1=\"" + px(x1) + "\" y1=\"" + px(y1) + "\" x2=\"" + px(x2) + "\" y2=\"" +
         px(y2) + "\" " + attrs + "/>\n";
}

std::string svg_rect(double x, double y, double width, double height, const std::string& attrs) {
  return "<rect x=\"" + px(x) + "\" y=\"" + px(y) + "\" width=\"" + px(width) + "\" height=\"" +
         px(height) + "\" " + attrs + "/>\n";
}

std::string text_element(double x, double y, const std::string& text, const std::string& attrs) {
  return "<text x=\"" + px(x) + "\" y=\"" + px(y) + "\"" + (attrs.empty() ? "" : " " + attrs) +
         ">" + xml_escape(text) + "</text>\n";
}

}  // namespace plot
}  // namespace tqweir
