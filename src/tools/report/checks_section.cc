// Section 5: the design checks.
#include "tools/common/design_checks.h"
#include "tools/common/number_text.h"
#include "tools/report/html.h"
#include "tools/report/report_sections.h"

namespace tqweir {
namespace report {
namespace {

std::string result_cell(const Check& check) {
  return check.ok ? "<td class=\"result ok\">OK</td>" : "<td class=\"result ng\">NG</td>";
}

std::string criterion_name(const Criterion& c) { return en_ja(c.name_en, c.name_ja); }

std::string criteria_table(const std::vector<Criterion>& criteria) {
  std::string out = "<table class=\"criteria\"><colgroup><col style=\"width:40%\"><col>"
                    "<col style=\"width:12%\"></colgroup>\n<thead><tr><th>" +
                    en_ja("Criterion", u8"照査項目") + "</th><th>" +
                    en_ja("Limit", u8"許容値") + "</th><th>" + en_ja("Unit", u8"単位") +
                    "</th></tr></thead>\n<tbody>\n";
  for (const Criterion& c : criteria) {
    out += "<tr data-criterion=\"" + std::string(c.key) + "\"><td>" + criterion_name(c) +
           "</td><td>" +
           (c.given ? esc(c.limit_text) : en_ja("not checked", u8"照査せず")) + "</td><td>" +
           esc(c.unit) + "</td></tr>\n";
  }
  return out + "</tbody></table>\n";
}

std::string check_head(const std::string& first) {
  return "<thead><tr><th>" + first + "</th><th>" + en_ja("Criterion", u8"照査項目") +
         "</th><th>" + en_ja("Value", u8"値") + "</th><th>" + en_ja("Limit", u8"許容値") +
         "</th><th>" + en_ja("Ratio", u8"比") + "</th><th>" + en_ja("Result", u8"判定") +
         "</th></tr></thead>\n";
}

const char* kCheckColumns =
    "<colgroup><col style=\"width:27%\"><col style=\"width:27%\"><col style=\"width:13%\">"
    "<col style=\"width:13%\"><col style=\"width:10%\"><col></colgroup>\n";

std::string check_cells(const Check& check, const Criterion& c) {
  return "<td class=\"num value\">" + esc(check.value_text) + " " + esc(c.unit) +
         "</td><td class=\"num limit\">" + esc(limit_number_text(c.limit)) +
         "</td><td class=\"num ratio\">" + ratio_text(check.ratio) + "</td>" + result_cell(check);
}

}  // namespace

std::string checks_section(const Design& design, const std::vector<CaseRun>& runs) {
  const std::vector<Criterion> criteria = make_criteria(design.criteria);
  std::string out = "<section id=\"checks\" class=\"new-page\">\n<h2>5. " +
                    en_ja("Design checks", u8"照査") + "</h2>\n";
  out += "<h3>5.1 " + en_ja("Criteria (criteria.csv)", u8"照査基準") + "</h3>\n";
  out += criteria_table(criteria);
  bool any = false;
  for (const Criterion& c : criteria) any = any || c.given;
  if (!any) {
    return out + "<p>" + en_ja("No criterion is given: nothing is checked.",
                               u8"照査基準の指定がないため照査しない。") +
           "</p>\n</section>\n";
  }
  out += "<p class=\"small\">" +
         en_ja("Value: the printed result (its magnitude is checked; the bag pressure in kPa). "
               "Ratio = value / limit, rounded up to three decimals. OK when the ratio is at "
               "most 1.",
               u8"値はプログラムの出力値 (絶対値で照査、内圧は kPa)。比 = 値 / 許容値 "
               u8"(小数3桁に切上げ)。比が 1 以下で OK。") +
         "</p>\n";
  out += "<h3>5.2 " + en_ja("Checks per case", u8"ケースごとの照査") + "</h3>\n";
  out += std::string("<table class=\"checks\">") + kCheckColumns + check_head(en_ja("Case", u8"ケース")) +
         "<tbody>\n";
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (!runs[i].converged) {
      out += "<tr data-case=\"" + std::to_string(i + 1) + "\"><td>" + case_label(design, i) +
             "</td><td colspan=\"5\" class=\"ng\">" +
             en_ja("stopped: not checked (see 4)", u8"計算停止のため照査不能") + "</td></tr>\n";
      continue;
    }
    for (const Criterion& c : criteria) {
      if (!c.given) continue;
      out += "<tr data-case=\"" + std::to_string(i + 1) + "\" data-criterion=\"" + c.key +
             "\"><td>" + case_label(design, i) + "</td><td>" + criterion_name(c) + "</td>" +
             check_cells(check_case(runs[i], c), c) + "</tr>\n";
    }
  }
  out += "</tbody></table>\n";
  out += "<h3>5.3 " + en_ja("Governing case of each criterion", u8"各照査の支配ケース") + "</h3>\n";
  out += std::string("<table class=\"governing\">") + kCheckColumns +
         check_head(en_ja("Governing case", u8"支配ケース")) + "<tbody>\n";
  for (const Criterion& c : criteria) {
    if (!c.given) continue;
    const int g = governing_case(runs, c);
    out += "<tr data-criterion=\"" + std::string(c.key) + "\"";
    if (g < 0) {
      out += "><td colspan=\"6\">" + criterion_name(c) + ": " +
             en_ja("no case finished", u8"正常終了したケースなし") + "</td></tr>\n";
      continue;
    }
    const std::size_t index = static_cast<std::size_t>(g);
    out += " data-case=\"" + std::to_string(index + 1) + "\"><td>" + case_label(design, index) +
           "</td><td>" + criterion_name(c) + "</td>" + check_cells(check_case(runs[index], c), c) +
           "</tr>\n";
  }
  return out + "</tbody></table>\n</section>\n";
}

}  // namespace report
}  // namespace tqweir
