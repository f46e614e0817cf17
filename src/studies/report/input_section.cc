// Section 2: the base case's input as the program reads it.
#include "core/input_fields.h"
#include "input/derived_quantities.h"
#include "input/profile_reader.h"
#include "text/number_text.h"
#include "studies/report/html.h"
#include "studies/report/html_table.h"
#include "studies/report/plausibility.h"
#include "studies/report/report_sections.h"
#include "studies/report/section_heading.h"

namespace tqweir {
namespace report {
namespace {

std::string field_table(const CaseInput& input, InputFile file) {
  Table table;
  table.cls = "fields";
  table.columns = widths({"5%", "24%", "", "10%", "13%"});
  table.head_rows = {head_cells({"#", en_ja("Field", u8"項目"), en_ja("Meaning", u8"内容"),
                                 en_ja("Unit", u8"単位"), en_ja("Value", u8"値")})};
  for (int position = 1; position <= 12; ++position) {
    for (const InputField& field : input_fields()) {
      if (field.file != file || field.position != position) continue;
      std::string meaning = esc(field.meaning_en);
      if (*field.rule_en != '\0') meaning += " <i>(" + esc(field.rule_en) + ")</i>";
      table.rows.push_back({"", "<td class=\"num\">" + std::to_string(position) +
                                    "</td><td><code>" + esc(field.name) +
                                    "</code><br><span class=\"ja\">" + esc(field.meaning_ja) +
                                    "</span></td><td>" + meaning + "</td><td>" + esc(field.unit) +
                                    "</td><td class=\"num\" data-field=\"" + field.name + "\">" +
                                    esc(text::exact_text(field_value(field, input))) + "</td>"});
    }
  }
  return render_table(table);
}

std::string profile_table(const CaseInput& input, const LeafProfile& profile) {
  Table table;
  table.cls = "profile";
  table.head_rows = {
      "<th rowspan=\"2\">#</th><th colspan=\"2\">" + en_ja("hitai.csv as given", u8"入力値") +
          "</th><th colspan=\"2\">" +
          en_ja("laid out at the leaf angle (m, 3 decimals)", u8"扉体角度に配置 (m)") + "</th>",
      head_cells({"x", "y", "x", "y"})};
  for (std::size_t i = 0; i < input.points.size(); ++i) {
    table.rows.push_back({"", "<td class=\"num\">" + std::to_string(i + 1) +
                                  "</td><td class=\"num\">" + esc(text::exact_text(input.points[i].x)) +
                                  "</td><td class=\"num\">" + esc(text::exact_text(input.points[i].y)) +
                                  "</td><td class=\"num\">" + text::fixed_text(profile.node_x[i], 3) +
                                  "</td><td class=\"num\">" + text::fixed_text(profile.node_y[i], 3) +
                                  "</td>"});
  }
  return render_table(table);
}

Table::Row derived_row(const char* en, const char* ja, const char* unit, double value) {
  return {"", "<td>" + en_ja(en, ja) + "</td><td>" + esc(unit) + "</td><td class=\"num\">" +
                  esc(text::exact_text(value)) + "</td>"};
}

std::string derived_table(const CaseInput& input, const DerivedInput& d,
                          const LeafProfile& profile) {
  Table table;
  table.cls = "derived";
  table.columns = widths({"", "12%", "26%"});
  table.head_rows = {
      head_cells({en_ja("Quantity", u8"項目"), en_ja("Unit", u8"単位"), en_ja("Value", u8"値")})};
  table.rows = {
      derived_row("leaf angle θ1", u8"扉体角度", "rad", d.theta1),
      derived_row("floor angle θ2", u8"床版角度", "rad", d.theta2),
      derived_row("wedge bisector angle", u8"二等分線角度", "degree", d.bisector_angle_deg),
      derived_row("leaf angle after its clamp to 1°", u8"扉体角度 (下限 1°)", "degree",
                  d.theta1_deg),
      derived_row("hd_nd after its floor at 1e-05", u8"下流水深比 (下限 1e-05)", "", d.hd_nd),
      derived_row("tip moment", u8"先端モーメント", u8"N·m/m", d.tip_moment_nm),
      derived_row("stopper tension", u8"ストッパー張力", "N", d.stopper_tension_n),
      derived_row("stopper force per metre of span", u8"単位幅あたりストッパー力", "N/m",
                  d.stopper_force),
      derived_row("air temperature", u8"空気温度", "K", d.air_temperature_k),
      derived_row("crest height H (highest leaf node)", u8"堰高 H", "m", profile.crest_height),
      derived_row("leaf length along its profile", u8"扉体長", "m", leaf_length(input.points)),
  };
  return render_table(table);
}

}  // namespace

std::string warning_list(const std::vector<Warning>& warnings) {
  if (warnings.empty()) return "<p>" + en_ja("None.", u8"特になし。") + "</p>\n";
  std::string out = "<ul class=\"warnings\">\n";
  for (const Warning& w : warnings) out += "<li>" + en_ja(w.en, w.ja) + "</li>\n";
  return out + "</ul>\n";
}

std::string input_section(const design::Design& design, int number) {
  const CaseInput& input = design.base.input;
  const DerivedInput derived = derive_quantities(input.syogen, input.parameter);
  const LeafProfile profile = lay_out_profile(input.points, derived.theta1);
  std::string out = open_section("input", true, number,
                                 en_ja("Input data of the base case", u8"入力データ (基本ケース)"));
  Subsections sub(number);
  out += sub.next(en_ja("syogen.csv: structure", u8"構造諸元"));
  out += field_table(input, InputFile::syogen);
  out += sub.next(en_ja("parameter.csv: design case", u8"設計条件"));
  out += field_table(input, InputFile::parameter);
  out += sub.next(en_ja("hitai.csv: leaf profile", u8"扉体形状"));
  out += profile_table(input, profile);
  out += sub.next(en_ja("Derived quantities", u8"誘導量"));
  out += derived_table(input, derived, profile);
  out += sub.next(en_ja("Plausibility notes", u8"入力値の確認事項"));
  out += "<p class=\"small\">" +
         en_ja("Notes only: the program computes with the values as given.",
               u8"注記のみ。計算は入力値のまま行う。") +
         "</p>\n";
  out += warning_list(plausibility_warnings(input));
  return out + "</section>\n";
}

}  // namespace report
}  // namespace tqweir
