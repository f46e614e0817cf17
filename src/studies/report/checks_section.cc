// Section 5: the design checks.
#include "design/design_checks.h"
#include "design/leaf_checks.h"
#include "text/number_text.h"
#include "studies/report/failed_check.h"
#include "studies/report/flood_section.h"
#include "studies/report/html.h"
#include "studies/report/html_table.h"
#include "studies/report/report_sections.h"
#include "studies/report/section_heading.h"

namespace tqweir {
namespace report {
namespace {

std::string result_cell(const design::Check& check) {
  return check.ok ? "<td class=\"result ok\">OK</td>" : "<td class=\"result ng\">NG</td>";
}

template <class C>
std::string criterion_name(const C& c) {
  return en_ja(c.name_en, c.name_ja);
}

// A criterion of the leaf is listed only when given, with how its value is
// formed.
Table::Row leaf_criterion_row(const design::LeafCriterion& c) {
  return {" data-criterion=\"" + std::string(c.key) + "\"",
          "<td>" + criterion_name(c) + "<br><span class=\"small\">" + esc(c.basis) + "</span></td><td>" +
              esc(c.limit_text) + "</td><td>" + esc(c.unit) + "</td>"};
}

std::string criteria_table(const std::vector<design::Criterion>& criteria,
                           const std::vector<design::LeafCriterion>& leaf_criteria,
                           const design::Limit& max_failed_gates) {
  Table table;
  table.cls = "criteria";
  table.columns = widths({"40%", "", "12%"});
  table.head_rows = {head_cells(
      {en_ja("Criterion", u8"照査項目"), en_ja("Limit", u8"許容値"), en_ja("Unit", u8"単位")})};
  for (const design::Criterion& c : criteria) {
    table.rows.push_back({" data-criterion=\"" + std::string(c.key) + "\"",
                          "<td>" + criterion_name(c) + "</td><td>" +
                              (c.given ? esc(c.limit_text) : en_ja("not checked", u8"照査せず")) +
                              "</td><td>" + esc(c.unit) + "</td>"});
  }
  for (const design::LeafCriterion& c : leaf_criteria) {
    if (c.given) table.rows.push_back(leaf_criterion_row(c));
  }
  if (max_failed_gates.given) {
    table.rows.push_back({" data-criterion=\"max_failed_gates\"",
                          "<td>" + en_ja("Failed gates the design flood must be passed with (max_failed_gates)",
                                         u8"故障を許容する門数") +
                              "</td><td>" + esc(max_failed_gates.text) + "</td><td>" +
                              en_ja("gates", u8"門") + "</td>"});
  }
  return render_table(table);
}

// A table of checks whose first column is `first`, without rows.
Table check_table(const char* cls, const std::string& first) {
  Table table;
  table.cls = cls;
  table.columns = widths({"27%", "27%", "13%", "13%", "10%", ""});
  table.head_rows = {
      head_cells({first, en_ja("Criterion", u8"照査項目"), en_ja("Value", u8"値"),
                  en_ja("Limit", u8"許容値"), en_ja("Ratio", u8"比"), en_ja("Result", u8"判定")})};
  return table;
}

}  // namespace

std::string check_cells(const design::Check& check, const std::string& unit, double limit) {
  return "<td class=\"num value\">" + esc(check.value_text) + " " + esc(unit) +
         "</td><td class=\"num limit\">" + esc(text::limit_number_text(limit)) +
         "</td><td class=\"num ratio\">" + text::ratio_text(check.ratio) + "</td>" + result_cell(check);
}

std::string checks_section(const design::Design& design, const std::vector<CaseRun>& runs, int number,
                           int results_number, const std::vector<FloodRun>& floods,
                           const std::vector<operate::FailedRow>& failed,
                           const std::vector<Table::Row>& risk_rows) {
  const std::vector<design::Criterion> criteria = design::make_criteria(design.criteria);
  const std::vector<design::LeafCriterion> leaf_criteria = design::make_leaf_criteria(design.criteria);
  std::string out = open_section("checks", true, number, en_ja("Design checks", u8"照査"));
  Subsections sub(number);
  out += sub.next(en_ja("Criteria (criteria.csv)", u8"照査基準"));
  out += criteria_table(criteria, leaf_criteria, design.criteria.max_failed_gates);
  bool any = false;
  for (const design::Criterion& c : criteria) any = any || c.given;
  for (const design::LeafCriterion& c : leaf_criteria) any = any || c.given;
  std::vector<Table::Row> flood_rows = flood_check_rows(design, floods);
  const std::vector<Table::Row> failed_rows = failed_check_rows(design, failed);
  flood_rows.insert(flood_rows.end(), failed_rows.begin(), failed_rows.end());
  any = any || !flood_rows.empty() || !risk_rows.empty();
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
  out += sub.next(en_ja("Checks per case", u8"ケースごとの照査"));
  Table checks = check_table("checks", en_ja("Case", u8"ケース"));
  for (std::size_t i = 0; i < runs.size(); ++i) {
    const std::string data_case = " data-case=\"" + std::to_string(i + 1) + "\"";
    if (!runs[i].converged) {
      checks.rows.push_back(
          {data_case, "<td>" + case_label(design, i) + "</td><td colspan=\"5\" class=\"nd\">" +
                          en_ja("stopped: not determined (see " + std::to_string(results_number) + ")",
                                u8"計算停止のため照査不能") +
                          "</td>"});
      continue;
    }
    const auto add_rows = [&](const auto& list) {
      for (const auto& c : list) {
        if (!c.given) continue;
        checks.rows.push_back({data_case + " data-criterion=\"" + c.key + "\"",
                               "<td>" + case_label(design, i) + "</td><td>" + criterion_name(c) + "</td>" +
                                   check_cells(design::check_case(runs[i], c), c.unit, c.limit)});
      }
    };
    add_rows(criteria);
    add_rows(leaf_criteria);
  }
  checks.rows.insert(checks.rows.end(), flood_rows.begin(), flood_rows.end());
  checks.rows.insert(checks.rows.end(), risk_rows.begin(), risk_rows.end());
  out += render_table(checks);
  out += sub.next(en_ja("Governing case of each criterion", u8"各照査の支配ケース"));
  Table governing = check_table("governing", en_ja("Governing case", u8"支配ケース"));
  const auto add_governing = [&](const auto& c) {
    if (!c.given) return;
    const int g = design::governing_case(runs, c);
    const std::string data_criterion = " data-criterion=\"" + std::string(c.key) + "\"";
    if (g < 0) {
      governing.rows.push_back(
          {data_criterion, "<td colspan=\"6\">" + criterion_name(c) + ": " +
                               en_ja("no case finished", u8"正常終了したケースなし") + "</td>"});
      return;
    }
    const std::size_t index = static_cast<std::size_t>(g);
    governing.rows.push_back({data_criterion + " data-case=\"" + std::to_string(index + 1) + "\"",
                              "<td>" + case_label(design, index) + "</td><td>" + criterion_name(c) +
                                  "</td>" + check_cells(design::check_case(runs[index], c), c.unit, c.limit)});
  };
  for (const design::Criterion& c : criteria) add_governing(c);
  for (const design::LeafCriterion& c : leaf_criteria) add_governing(c);
  return out + render_table(governing) + "</section>\n";
}

}  // namespace report
}  // namespace tqweir
