// Section 9: the sealed bag's operating curve over the upstream level.
#include <cstdlib>

#include "core/messages.h"
#include "text/number_text.h"
#include "cases/range_spec.h"
#include "search/sealed_bag.h"
#include "text/run_results.h"
#include "studies/report/html.h"
#include "studies/report/html_table.h"
#include "studies/report/line_chart.h"
#include "studies/report/search_sections.h"
#include "studies/report/section_heading.h"

namespace tqweir {
namespace report {
namespace {

// The printed fields of a held state's solve.
text::PrintedSummary printed_fields(const search::SealedState& state) {
  return text::read_printed_summary(state.result.summary);
}

const std::string& printed(const text::PrintedSummary& fields, SummaryId id) {
  return fields.text[static_cast<std::size_t>(summary_index(id))];
}

constexpr SummaryId kCharted[] = {SummaryId::theta1_deg, SummaryId::pressure_at_temperature,
                                  SummaryId::overflow_discharge};

std::string charts(const std::vector<std::string>& levels,
                   const std::vector<search::SealedState>& states) {
  std::string out;
  for (SummaryId id : kCharted) {
    const SummaryField& f = summary_field(id);
    ChartSeries series;
    series.title = std::string(f.label_en) + " " + f.label_ja;
    series.x_label = "upstream_level (m)";
    for (std::size_t i = 0; i < states.size(); ++i) {
      if (!states[i].held) continue;
      series.x.push_back(std::strtod(levels[i].c_str(), nullptr));
      series.y.push_back(printed_fields(states[i]).value[static_cast<std::size_t>(summary_index(id))]);
    }
    if (series.x.empty()) continue;
    std::string chart = line_chart_svg(series, 330, 170);
    if (chart.empty()) {
      chart = "<p class=\"ng\">" +
              en_ja("No chart: the values span more than its axes can show.",
                    u8"値の範囲が軸に表示できないためグラフなし。") + "</p>";
    }
    out += "<div class=\"chart\" data-field=\"sealed-" + std::string(f.name) +
           "\"><p class=\"chart-title\">" + en_ja(f.label_en, f.label_ja) +
           (*f.unit != '\0' ? " (" + esc(f.unit) + ")" : std::string()) + "</p>" + chart + "</div>\n";
  }
  return out;
}

// A row per level; its cells name their field, the row its level.
Table::Row state_row(const std::string& level, const search::SealedState& s) {
  const std::string attrs = " data-level=\"" + esc(level) + "\"";
  std::string row = "<td class=\"num\">" + esc(level) +
                    "</td><td class=\"status\" data-field=\"regime\">" + esc(s.regime) + "</td>";
  if (!s.held) {
    std::string why = s.reason;
    if (s.stop != Message::finished) why += ": " + message_utf8(s.stop);
    return {attrs, row + "<td class=\"none\" colspan=\"4\">" + esc(why) + "</td>"};
  }
  const text::PrintedSummary fields = printed_fields(s);
  for (SummaryId id : {SummaryId::theta1_deg, SummaryId::stopper_tension,
                       SummaryId::pressure_at_temperature, SummaryId::overflow_discharge}) {
    row += "<td class=\"num\" data-field=\"" + std::string(summary_field(id).name) + "\">" +
           esc(printed(fields, id)) + "</td>";
  }
  return {attrs, row};
}

}  // namespace

bool has_sealed_section(const design::Design& design) { return design.criteria.search.sealed_range.given; }

std::string sealed_section(const design::Design& design, int number) {
  const design::SearchRows& search = design.criteria.search;
  if (!has_sealed_section(design)) return "";
  const InputField& level = input_field(InputId::upstream_level);
  const search::SealedCurve curve = search::sealed_curve(
      design.base.input, level, cases::range_values(level, search.sealed_levels));

  std::string out = open_section("sealed", true, number, en_ja("Sealed bag: operating curve", u8"袋体密閉時の特性曲線")) + "<p>" +
                    en_ja("With the air valve closed, the air the base case puts in the bag "
                          "stays in it as the river rises or falls. For each upstream level of " +
                              search.sealed_range.text +
                              " m, the state that holds the same air: while the stopper holds the "
                              "leaf at the base angle, its tension (regime stopper); where that "
                              "tension would fall below 0, the leaf angle with the stopper slack "
                              "(regime slack). Assumptions: the air is isothermal (as the summary's "
                              "volume at atmospheric pressure assumes); the stopper only pulls and "
                              "is slack whenever the leaf is below its raised angle; each state is "
                              "quasi-static; there is no hysteresis (each level is solved on its "
                              "own). As tqweir-seek --sealed computes it.",
                          u8"空気弁を閉じた状態で基本ケースの空気量を保つ状態を水位ごとに求める。"
                          u8"仮定: 等温、倒伏時ストッパーは緩む、準静的、履歴なし。") +
                    "</p>\n";
  if (!curve.base.finished) {
    return out + "<p class=\"ng\">" +
           en_ja("The base case stops, so it puts no air in the bag",
                 u8"基本ケースが停止するため空気量が定まらない") +
           ": " + esc(message_utf8(curve.base.message)) + "</p>\n</section>\n";
  }
  std::size_t held = 0;
  for (const search::SealedState& s : curve.states) held += s.held ? 1 : 0;
  out += "<p>" + en_ja("Sealed air", u8"封入空気量") + ": <span data-field=\"sealed-air\">" +
         esc(text::fixed_text(curve.air_volume, 3)) + "</span> m³/m " +
         en_ja("(at atmospheric pressure, from the base case); " + std::to_string(held) + " of " +
                   std::to_string(curve.states.size()) + " levels hold it.",
               u8"(大気圧換算、基本ケース)") +
         "</p>\n<div class=\"charts\">\n" + charts(search.sealed_levels, curve.states) + "</div>\n";
  Table table;
  table.cls = "sealed";
  table.head_rows = {head_cells({en_ja("Upstream level (m)", u8"上流水位"), en_ja("Regime", u8"状態"),
                                 en_ja("Leaf angle (degree)", u8"扉体角度"),
                                 en_ja("Stopper tension (kN)", u8"ストッパー張力"),
                                 en_ja("Bag pressure (MPa)", u8"袋体内圧"),
                                 en_ja("Overflow discharge", u8"越流量")})};
  for (std::size_t i = 0; i < curve.states.size(); ++i) {
    table.rows.push_back(state_row(search.sealed_levels[i], curve.states[i]));
  }
  return out + render_table(table) + "</section>\n";
}

}  // namespace report
}  // namespace tqweir
