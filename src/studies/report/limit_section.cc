// Section 8: the limit states of the load cases over one load variable.
#include "core/messages.h"
#include "design/limit_states.h"
#include "text/number_text.h"
#include "studies/report/html.h"
#include "studies/report/html_table.h"
#include "studies/report/report_sections.h"
#include "studies/report/search_sections.h"
#include "studies/report/section_heading.h"

namespace tqweir {
namespace report {
namespace {

// Limits are shown to four decimals: each is narrowed to a bracket of a
// ten-millionth of the range, far inside the last digit shown.
constexpr int kLimitDecimals = 4;

// A value to four decimals: no sign on zero, a huge one (the end of a range
// 1e308 wide) in exponent form.
std::string value_text(double value) { return text::shown_text(value, kLimitDecimals); }

std::string num(const std::string& text, std::size_t case_number, const std::string& field) {
  return data_cell("num", case_number, field, text);
}

std::string check_row(const design::Criterion& c, const design::CheckLimit& limit, std::size_t case_number) {
  std::string row = "<td>" + en_ja(c.name_en, c.name_ja) + "</td>";
  const std::string field = std::string("limit-") + c.key;
  if (limit.found) {
    std::string note = limit.rising ? en_ja("the ratio rises through 1", u8"比が 1 を上回る")
                                    : en_ja("the ratio falls through 1", u8"比が 1 を下回る");
    if (limit.crossings > 1) {
      note += "; " + en_ja(std::to_string(limit.crossings - 1) + " more crossing(s) above it",
                           u8"これより上に他の交差あり");
    }
    row += num(value_text(limit.value), case_number, field) +
           num(limit.ratio_text, case_number, field + "-ratio") + "<td>" + note + "</td>";
  } else if (!limit.any_finished) {
    // Nothing finished, so where the ratio reaches 1 is not known: neither a
    // pass nor a failure.
    row += "<td class=\"none\">-</td><td class=\"none\">-</td><td class=\"nd\">" +
           en_ja("no run finishes in the range: not determined", u8"範囲内で正常終了するケースなし (判定不能)") + "</td>";
  } else if (limit.above_at_lo) {
    row += "<td class=\"none\">-</td><td class=\"none\">-</td><td class=\"ng\">" +
           en_ja("above 1 over the whole range", u8"範囲全体で比が 1 を超える") + "</td>";
  } else {
    row += "<td class=\"none\">-</td><td class=\"none\">-</td><td>" +
           en_ja("within the limit over the whole range", u8"範囲全体で許容値以内") + "</td>";
  }
  return row;
}

std::string stop_row(const design::StopLimit& stop, const InputField& field, std::size_t case_number) {
  std::string row = "<td>" + en_ja("the run stops", u8"計算停止") + "</td>";
  if (stop.whole_range) {
    return row + num(value_text(stop.value), case_number, "limit-stop") +
           "<td class=\"none\">-</td><td class=\"ng\">" +
           en_ja("stops over the whole range", u8"範囲全体で停止") + ": " +
           esc(message_utf8(stop.message)) + " " + esc(message_meaning(stop.message)) + "</td>";
  }
  if (!stop.found) {
    return row + "<td class=\"none\">-</td><td class=\"none\">-</td><td>" +
           en_ja("no stop in the range", u8"範囲内で停止なし") + "</td>";
  }
  const std::string side = stop.begins ? en_ja("stops above it", u8"これより上で停止")
                                       : en_ja("stops below it", u8"これより下で停止");
  return row + num(value_text(stop.value), case_number, "limit-stop") +
         "<td class=\"none\">-</td><td>" + side + " (" + esc(field.name) + " = " +
         esc(text::exact_text(stop.beyond + 0.0)) + "): " + esc(message_utf8(stop.message)) + " " +
         esc(message_meaning(stop.message)) + "</td>";
}

std::string governing_text(const design::CaseLimits& limits, const std::vector<design::Criterion>& criteria,
                           double own, const std::string& unit) {
  if (!limits.governing_found) {
    return en_ja("No limit in the range.", u8"範囲内に限界なし。");
  }
  const std::string what =
      limits.governing_check < 0
          ? en_ja("the run stopping", u8"計算停止")
          : en_ja(criteria[static_cast<std::size_t>(limits.governing_check)].name_en,
                  criteria[static_cast<std::size_t>(limits.governing_check)].name_ja);
  const double margin = limits.governing - own;
  return en_ja("Governing limit", u8"支配的な限界") + ": " + what + " " +
         value_text(limits.governing) + unit + "; " + en_ja("the case's own value", u8"本ケースの値") +
         " " + esc(text::exact_text(own + 0.0)) + unit + "; " + en_ja("margin", u8"余裕") + " <span class=\"" +
         (margin >= 0.0 ? "ok" : "ng") + "\" data-field=\"limit-margin\">" + value_text(margin) +
         "</span>" + unit + ".";
}

}  // namespace

bool has_limit_states_section(const design::Design& design) {
  return design.criteria.search.limit_field != nullptr;
}

std::string limit_states_section(const design::Design& design, int number) {
  const design::SearchRows& search = design.criteria.search;
  if (!has_limit_states_section(design)) return "";
  const InputField& field = *search.limit_field;
  const std::string unit = *field.unit != '\0' ? std::string(" ") + field.unit : "";
  const std::vector<design::Criterion> criteria = design::make_criteria(design.criteria);
  const std::vector<design::CaseLimits> limits = design::find_limits(design, criteria, design::LimitSettings());

  std::string out = open_section("limit-states", true, number, en_ja("Limit states", u8"限界状態")) + "<p>" +
                    en_ja("For each load case, " + std::string(field.name) + " is varied from " +
                              search.limit_range.text + " (" + field.name + " " +
                              text::exact_text(search.limit_lo + 0.0) + " to " + text::exact_text(search.limit_hi + 0.0) +
                              unit + ") with every other input kept: the value at which each "
                              "check's ratio reaches 1 and the value at which the run begins to "
                              "stop. Found by tqweir-seek's search: a scan of 8 equal intervals and "
                              "the case's own value, every boundary and every turn of a ratio "
                              "searched, every crossing narrowed inside its bracket (regula falsi "
                              "with bisection) to a ten-millionth of the range, on the solve's "
                              "unrounded result; the first crossing from the low end is shown, to " +
                              std::to_string(kLimitDecimals) + " decimals.",
                          u8"荷重ケースごとに " + std::string(field.name) +
                              u8" を範囲内で変化させ、各照査の比が 1 となる値と計算が停止し始める値を求める。") +
                    "</p>\n";
  for (std::size_t i = 0; i < design.cases.size(); ++i) {
    Table table;
    table.cls = "limits";
    table.attrs = " data-case=\"" + std::to_string(i + 1) + "\"";
    table.columns = widths({"28%", "16%", "12%", ""});
    table.head_rows = {head_cells({en_ja("Check", u8"照査項目"), esc(field.name) + esc(unit),
                                   en_ja("Ratio there", u8"比"), en_ja("Note", u8"備考")})};
    for (std::size_t k = 0; k < criteria.size(); ++k) {
      if (criteria[k].given) table.rows.push_back({"", check_row(criteria[k], limits[i].checks[k], i + 1)});
    }
    table.rows.push_back({"", stop_row(limits[i].stop, field, i + 1)});
    out += "<h3>" + case_label(design, i) + "</h3>\n" + render_table(table) + "<p>" +
           governing_text(limits[i], criteria, field_value(field, design.cases[i].input), esc(unit)) +
           "</p>\n";
  }
  int solves = 0;
  for (const design::CaseLimits& l : limits) solves += l.solves;
  return out + "<p class=\"small\">" +
         en_ja("Solves: " + std::to_string(solves) + " in all.", u8"計算回数: " +
                   std::to_string(solves)) +
         "</p>\n</section>\n";
}

}  // namespace report
}  // namespace tqweir
