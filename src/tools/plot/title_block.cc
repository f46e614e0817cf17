#include "tools/plot/title_block.h"

#include <vector>

#include "output/format.h"
#include "tools/plot/svg_text.h"

namespace tqweir {
namespace plot {
namespace {

struct Row {
  const char* english;
  const char* japanese;
  std::string value;
};

std::string fixed(double value, int decimals, const char* unit) {
  std::string out;
  append_format(out, "%.*f%s", decimals, value, unit);
  return out;
}

// Three significant figures: the pressure comes from alpha and the bag
// height as printed with three decimals, which is as much as they carry.
std::string pressure_kpa(double kpa) {
  const int decimals = kpa >= 100.0 ? 0 : kpa >= 10.0 ? 1 : 2;
  return fixed(kpa, decimals, " kPa");
}

std::string draw_row(const Row& row, double x_label, double x_value, double y) {
  std::string out = "<text x=\"" + px(x_label) + "\" y=\"" + px(y) + "\">" +
                    xml_escape(row.english) + "<tspan dx=\"8\" fill=\"#333\">" +
                    xml_escape(row.japanese) + "</tspan></text>\n";
  return out + text_element(x_value, y, row.value,
                            "text-anchor=\"end\" font-weight=\"bold\" class=\"value\"");
}

std::string hline(double x1, double x2, double y) {
  return "<line x1=\"" + px(x1) + "\" y1=\"" + px(y) + "\" x2=\"" + px(x2) + "\" y2=\"" +
         px(y) + "\"/>\n";
}

}  // namespace

std::string shorten_utf8(const std::string& text, std::size_t max_chars) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // Count lead bytes only: continuation bytes are 10xxxxxx.
    if ((static_cast<unsigned char>(text[i]) & 0xc0) == 0x80) continue;
    if (chars == max_chars) return text.substr(0, i) + "...";
    ++chars;
  }
  return text;
}

std::string draw_title_block(const KeyResults& k, const std::string& case_name,
                             double left, double top, double width) {
  const std::vector<Row> rows = {
      {u8"Pressure head ratio α", u8"内圧水頭比 α", fixed(k.alpha, 3, "")},
      {u8"Overflow depth", u8"越流水深", fixed(k.overflow_depth, 3, " m")},
      {u8"Bag pressure", u8"袋体内圧", pressure_kpa(k.bag_pressure_kpa)},
      {u8"Upstream level", u8"上流水位", fixed(k.upstream_level, 3, " m")},
      {u8"Bag tension", u8"袋体張力", fixed(k.bag_tension_kn, 3, " kN/m")},
      {u8"Downstream level", u8"下流水位", fixed(k.downstream_level, 3, " m")},
      {u8"Stopper base angle", u8"ストッパー取付角", fixed(k.stopper_angle_deg, 3, u8"°")},
      {u8"Bag height", u8"袋体高さ", fixed(k.bag_height, 3, " m")},
  };
  const double right = left + width;
  const double middle = left + width / 2.0;
  const double head = top + 30.0, body = head + 4.0, row_height = 22.0;
  const double foot = body + 4.0 * row_height + 6.0;

  std::string out = "<g id=\"title-block\" font-size=\"13\">\n";
  out += "<rect x=\"" + px(left) + "\" y=\"" + px(top) + "\" width=\"" + px(width) +
         "\" height=\"" + px(kTitleBlockHeight) +
         "\" fill=\"#fff\" stroke=\"#111\" stroke-width=\"1.5\"/>\n";
  out += "<g stroke=\"#111\" stroke-width=\"0.8\">\n" + hline(left, right, head) +
         hline(left, right, foot) + "<line x1=\"" + px(middle) + "\" y1=\"" + px(head) +
         "\" x2=\"" + px(middle) + "\" y2=\"" + px(foot) + "\"/>\n</g>\n";
  out += text_element(left + 10, top + 21,
                      u8"Weir cross-section  堰の断面図",
                      "font-size=\"16\" font-weight=\"bold\"");
  out += text_element(right - 10, top + 21,
                      u8"case 計算ケース: " +
                          shorten_utf8(case_name, 40),
                      "text-anchor=\"end\" id=\"case-name\"");
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const bool second_column = i % 2 == 1;
    const double y = body + row_height * static_cast<double>(i / 2) + 16.0;
    out += second_column ? draw_row(rows[i], middle + 10, right - 10, y)
                         : draw_row(rows[i], left + 10, middle - 10, y);
  }
  out += text_element(left + 10, foot + 17,
                      u8"Same scale on both axes, metres; origin at the hinge, levels above it.  "
                      u8"縦横同縮尺 (m)、原点はヒンジ、水位はヒンジからの高さ",
                      "font-size=\"11.5\" fill=\"#333\"");
  return out + "</g>\n";
}

}  // namespace plot
}  // namespace tqweir
