#include "tools/plot/svg_text.h"

#include "output/format.h"

namespace tqweir {
namespace plot {
namespace {

// Length of the well-formed UTF-8 sequence at text[i] (1 to 4), or 0 when
// the bytes there are not one (a stray continuation byte, a truncated or
// overlong sequence, a surrogate, a code point above U+10FFFF) or encode
// U+FFFE or U+FFFF, which XML does not allow either.
std::size_t utf8_sequence_length(const std::string& text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  std::size_t n = 0;
  unsigned int code = 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xc2 && lead <= 0xdf) {
    n = 2;
    code = lead & 0x1f;
  } else if (lead >= 0xe0 && lead <= 0xef) {
    n = 3;
    code = lead & 0x0f;
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    n = 4;
    code = lead & 0x07;
  } else {
    return 0;
  }
  if (i + n > text.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    if ((byte(i + k) & 0xc0) != 0x80) return 0;
    code = (code << 6) | (byte(i + k) & 0x3f);
  }
  const bool overlong = (n == 3 && code < 0x800) || (n == 4 && code < 0x10000);
  const bool surrogate = code >= 0xd800 && code <= 0xdfff;
  if (overlong || surrogate || code == 0xfffe || code == 0xffff || code > 0x10ffff) return 0;
  return n;
}

}  // namespace

std::string xml_escape(const std::string& text) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t n = utf8_sequence_length(text, i);
    if (n == 0) {
      out += '?';
      ++i;
      continue;
    }
    if (n > 1) {
      out.append(text, i, n);
      i += n;
      continue;
    }
    const char c = text[i++];
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default:
        // XML 1.0 allows tab, line feed and carriage return, no other
        // control character, not even as a character reference.
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') ||
            c == '\x7f') {
          out += '?';
        } else {
          out += c;
        }
    }
  }
  return out;
}

std::string px(double value) {
  std::string out;
  append_format(out, "%.2f", value);
  if (out == "-0.00") out = "0.00";
  return out;
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
    if (u < 0x80) {
      width += 0.6 * font_size;
    } else if ((u & 0xc0) != 0x80) {
      width += font_size;  // the lead byte of a multi-byte character
    }
  }
  return width;
}

std::string text_element(double x, double y, const std::string& text, const std::string& attrs) {
  std::string out = "<text x=\"" + px(x) + "\" y=\"" + px(y) + "\"";
  if (!attrs.empty()) out += " " + attrs;
  return out + ">" + xml_escape(text) + "</text>\n";
}

}  // namespace plot
}  // namespace tqweir
