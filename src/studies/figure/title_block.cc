#include <cctype>

#include "drawing/unit_symbols.h"
#include "studies/figure/section_parts.h"

namespace tqweir {
namespace plot {
namespace {

// What the title block states, as TQSpec.csv prints it.
constexpr SummaryId kRows[] = {
    SummaryId::alpha,          SummaryId::upstream_level,
    SummaryId::pressure_at_temperature, SummaryId::hd_rel,
    SummaryId::bag_tension,    SummaryId::crest_height,
    SummaryId::stopper_base_angle_deg,  SummaryId::bag_height,
};

// At most `max_chars` characters of UTF-8 `text`, never a partial one,
// with "..." when it was longer.
std::string shorten_utf8(const std::string& text, std::size_t max_chars) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xc0) == 0x80) continue;  // continuation byte
    if (chars++ == max_chars) return text.substr(0, i) + "...";
  }
  return text;
}

}  // namespace

std::string draw_title_block(const Drawing& d, const std::string& case_name, double left,
                             double top, double width) {
  const double right = left + width, middle = left + width / 2.0;
  const double head = top + 30.0, row_height = 22.0;
  const double foot = head + 4.0 + 4.0 * row_height + 6.0;
  std::string out = "<g " + d.id("title-block") + " font-size=\"13\">\n" +
                    drawing::svg_rect(left, top, width, kTitleBlockHeight,
                                    "fill=\"#fff\" stroke=\"#111\" stroke-width=\"1.5\"");
  out += "<g stroke=\"#111\" stroke-width=\"0.8\">\n" + drawing::svg_line(left, head, right, head) +
         drawing::svg_line(left, foot, right, foot) + drawing::svg_line(middle, head, middle, foot) +
         "</g>\n";
  out += drawing::text_element(left + 10, top + 21, u8"Weir cross-section  堰の断面図",
                             "font-size=\"16\" font-weight=\"bold\"");
  out +=
      drawing::text_element(right - 10, top + 21, u8"case 計算ケース: " + shorten_utf8(case_name, 40),
                          "text-anchor=\"end\" " + d.id("case-name"));
  for (std::size_t i = 0; i < sizeof kRows / sizeof kRows[0]; ++i) {
    const SummaryField& f = summary_field(kRows[i]);
    const double x = i % 2 == 0 ? left + 10 : middle + 10;
    const double y = head + 4.0 + row_height * static_cast<double>(i / 2) + 16.0;
    std::string label = f.label_en;
    label[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(label[0])));
    const std::string unit = drawing::unit_suffix(f.unit, u8"°");
    out += "<text " + drawing::xy_attributes("x", "y", x, y) + ">" + drawing::xml_escape(label) +
           "<tspan dx=\"8\" fill=\"#333\">" + drawing::xml_escape(f.label_ja) + "</tspan></text>\n";
    out += drawing::text_element(x + width / 2.0 - 20.0, y, d.results.text(kRows[i]) + unit,
                               "text-anchor=\"end\" font-weight=\"bold\" class=\"value\"");
  }
  out += drawing::text_element(
      left + 10, foot + 17,
      u8"Same scale on both axes, metres; origin at the hinge, levels above it.  "
      u8"縦横同縮尺 (m)、原点はヒンジ、水位はヒンジからの高さ",
      "font-size=\"11.5\" fill=\"#333\"");
  return out + "</g>\n";
}

}  // namespace plot
}  // namespace tqweir
