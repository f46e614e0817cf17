#include "studies/report/self_check_section.h"

#include <cmath>
#include <cstdio>

#include "studies/report/html.h"
#include "studies/report/html_table.h"
#include "studies/report/report_sections.h"
#include "studies/self_check/self_check.h"

namespace tqweir {
namespace report {
namespace {

// A number of the table. One that is not finite (its check is NOOK) shows
// as a dash; adding 0 turns a -0 into 0, so no zero carries a sign.
std::string number(const char* format, double v) {
  if (!std::isfinite(v)) return u8"–";
  char buf[64];
  std::snprintf(buf, sizeof buf, format, v + 0.0);
  return buf;
}

std::string case_table(const std::vector<verify::SelfCheck>& checks) {
  Table table;
  table.cls = "self-check";
  table.own_lines = true;
  table.columns = widths({"36%", "", "", "", "", "8%"});
  table.head_rows = {
      head_cells({en_ja("Check", u8"検証項目"), en_ja("From the files", u8"再計算値"),
                  en_ja("Expected", u8"期待値"), en_ja("Difference", u8"差"),
                  en_ja("Tolerance", u8"許容差"), ""})};
  for (const verify::SelfCheck& c : checks) {
    // The unit goes with the check's name, so that the number columns hold
    // only numbers (a residual such as -4.63332e-09 fills its column).
    const std::string unit = c.unit.empty() ? "" : " (" + esc(c.unit) + ")";
    table.rows.push_back({"", "<td>" + en_ja(c.what_en, c.what_ja) + unit +
                                  "</td><td class=\"num\">" + esc(number("%.6g", c.value)) +
                                  "</td><td class=\"num\">" + esc(number("%.6g", c.expected)) +
                                  "</td><td class=\"num\">" + number("%.1e", c.difference) +
                                  "</td><td class=\"num\">" + number("%.1e", c.tolerance) +
                                  "</td><td class=\"result " + (c.ok() ? "ok\">OK" : "ng\">NOOK") +
                                  "</td>"});
  }
  return render_table(table);
}

}  // namespace

std::string self_check_section(const design::Design& design, const std::vector<CaseRun>& runs) {
  std::string out = "<section id=\"self-check\" class=\"new-page\">\n<h2>" +
                    en_ja("Self-check", u8"検証") + "</h2>\n<p>" +
                    en_ja("Each finished case's files recomputed with the physics of the section: "
                          "the values must agree within the printed rounding and the outline's "
                          "sampling (docs/verification.md describes each check).",
                          u8"各ケースの出力ファイルから断面の力学で再計算し、印字の丸めと外形の離散化の範囲で一致することを確認する。") +
                    "</p>\n";
  for (std::size_t i = 0; i < runs.size() && i < design.cases.size(); ++i) {
    if (!runs[i].converged) continue;
    const CaseRun& r = runs[i];
    out += "<h3>" + case_label(design, i) + "</h3>\n" +
           case_table(verify::self_checks(design.cases[i].input, r.files));
  }
  return out + "</section>\n";
}

}  // namespace report
}  // namespace tqweir
