// The section 洪水時操作 Flood passage.
#include "studies/report/flood_section.h"

#include <cmath>

#include "core/constants.h"
#include "flood/flood_rule.h"
#include "text/number_text.h"
#include "studies/flood/flood_output.h"
#include "studies/report/check_verdict.h"
#include "studies/report/html.h"
#include "studies/report/html_table.h"
#include "studies/report/line_chart.h"
#include "studies/report/section_heading.h"
#include "studies/report/weir_section.h"

namespace tqweir {
namespace report {
namespace {

using text::fixed_text;

std::string run_name(const FloodRun& run) {
  return run.power_failure ? en_ja("Without power", u8"停電時") : en_ja("With power", u8"通常時");
}

std::string key(const FloodRun& run) { return run.power_failure ? "without" : "with"; }

std::string span_text(const flood::Span& span) {
  if (!span.started) return en_ja("not started", u8"なし");
  return operate::clock_text(span.start) + " – " +
         (span.ended ? operate::clock_text(span.end) + " (" +
                           text::shown_text((span.end - span.start) / 60.0, 2) + " min)"
                     : en_ja("not ended by the flood's end", u8"洪水終了まで継続"));
}

std::string lowering_text(const flood::FloodPassage& p) {
  if (!p.down_at_start) return span_text(p.lowering);
  return en_ja("the leaf is down at the start", u8"開始時に倒伏済み") + ", " +
         operate::clock_text(p.route.points.front().time);
}

// Freeboard = allowed level - peak level, as the command prints it.
std::string freeboard_cell(const FloodRun& run, const design::Limit& limit) {
  if (!limit.given) return "<td class=\"none\">" + en_ja("not checked", u8"照査せず") + "</td>";
  const operate::Freeboard f = operate::freeboard(run.passage.route, limit);
  return std::string("<td class=\"num result ") + verdict_class(f.verdict) + "\">" +
         fixed_text(f.metres, 3) + " m  " + verdict_html(f.verdict) +
         esc(operate::undetermined_note(f.verdict, run.passage.route)) + "</td>";
}

std::vector<std::string> summary_cells(const FloodRun& run, const design::Limit& limit) {
  const flood::FloodPassage& p = run.passage;
  if (!run.started || p.route.points.empty()) {
    const std::string none = "<td class=\"nd\">" + en_ja("does not start", u8"計算不能") + ": " + esc(run.stop) + "</td>";
    return std::vector<std::string>(6, none);
  }
  const operate::FlowPeaks peaks = operate::flow_peaks(p.route);
  return {"<td class=\"num\">" + fixed_text(p.route.peak.level, 3) + " m, " + operate::clock_text(p.route.peak.time) + "</td>",
          "<td class=\"num\">" + fixed_text(peaks.outflow_total, 3) + " m3/s, " + operate::clock_text(peaks.outflow.time) + "</td>",
          "<td class=\"num\">" + operate::attenuation_text(peaks) + "</td>",
          "<td>" + lowering_text(p) + "</td>",
          "<td>" + span_text(p.raising) + "</td>",
          freeboard_cell(run, limit)};
}

// Under the table, each route that stopped: why, and when.
std::string stop_notes(const std::vector<FloodRun>& runs) {
  std::string out;
  for (const FloodRun& run : runs) {
    if (!run.started || run.passage.route.finished) continue;
    out += "<p class=\"stop-note\" data-flood-stop=\"" + key(run) + "\">" + run_name(run) + ": " +
           en_ja("the route stops, so its checks are not determined", u8"計算停止のため判定不能") +
           ": " + esc(run.passage.route.stop) + "</p>\n";
  }
  return out;
}

std::string summary_table(const std::vector<FloodRun>& runs, const design::Limit& limit) {
  const std::string heads[] = {en_ja("Peak level, when", u8"最高水位・時刻"),
                               en_ja("Peak outflow, when", u8"最大放流量・時刻"),
                               en_ja("Attenuation", u8"ピーク低減量"),
                               en_ja("Lowering", u8"倒伏"),
                               en_ja("Raising", u8"起立"),
                               en_ja("Freeboard to max_upstream_level " + (limit.given ? limit.text + " m" : std::string("-")),
                                     u8"許容水位までの余裕")};
  std::vector<std::vector<std::string>> cells;
  for (const FloodRun& run : runs) cells.push_back(summary_cells(run, limit));
  Table table;
  table.cls = "flood";
  table.columns = widths({"30%", "35%", ""});
  std::vector<std::string> head{""};
  for (const FloodRun& run : runs) head.push_back(run_name(run));
  table.head_rows = {head_cells(head)};
  for (std::size_t r = 0; r < 6; ++r) {
    std::string row = "<td>" + heads[r] + "</td>";
    for (const std::vector<std::string>& c : cells) row += c[r];
    table.rows.push_back({" data-row=\"" + std::to_string(r + 1) + "\"", row});
  }
  return render_table(table);
}

// One quantity of a run over time (field: 0 inflow, 1 outflow, 2 level,
// 3 angle, 4 gauge pressure), dashed beside it the field `dashed` (none
// below 0), or the level `allowed` when above 0.
std::string chart(const FloodRun& run, const std::string& what, const std::string& ja, int field,
                  int dashed, double allowed) {
  ChartSeries series;
  series.title = what;
  series.x_label = "time (h)";
  series.marks = false;
  const flood::FloodPassage& p = run.passage;
  for (std::size_t k = 0; k < p.route.points.size() && k < p.states.size(); ++k) {
    const flood::RoutePoint& pt = p.route.points[k];
    const flood::GateState& s = p.states[k];
    // The outflow as flow_peaks totals it: the leaves, other_outflow and the
    // fixed crests (0 without one, which leaves the sum's bits as they are).
    const double values[] = {pt.inflow, pt.outflow + pt.other_outflow + pt.fixed_outflow, pt.level, s.theta1_deg,
                             (flood::bag_p_abs(s, pt.airs.front()) - kAtmosphericPressure) / 1000.0};
    const double second = dashed >= 0 ? values[dashed] : allowed;
    if (!std::isfinite(values[field]) || !std::isfinite(second)) continue;
    series.x.push_back(pt.time / 3600.0);
    series.y.push_back(values[field]);
    if (dashed >= 0 || allowed > 0.0) series.y2.push_back(second);
  }
  if (series.x.empty()) return "";
  const std::string svg = line_chart_svg(series, 330, 170);
  if (svg.empty()) return "";
  return "<div class=\"chart\" data-field=\"flood-" + key(run) + "-" + std::to_string(field) +
         "\"><p class=\"chart-title\">" + run_name(run) + ": " + en_ja(what, ja) + "</p>" + svg + "</div>\n";
}

// Each gate's leaf angle against time, one line per gate; "" for one gate.
std::string gate_angles_chart(const FloodRun& run) {
  const flood::FloodPassage& p = run.passage;
  const std::size_t gates = p.gates.size();
  if (gates < 2) return "";
  ChartSeries series;
  series.title = "leaf angle of each gate (degree)";
  series.x_label = "time (h)";
  series.marks = false;
  series.more.resize(gates - 1);
  for (std::size_t k = 0; k < p.route.points.size(); ++k) {
    bool finite = true;
    for (const flood::GatePassage& g : p.gates) finite = finite && k < g.states.size() && std::isfinite(g.states[k].theta1_deg);
    if (!finite) continue;
    series.x.push_back(p.route.points[k].time / 3600.0);
    series.y.push_back(p.gates[0].states[k].theta1_deg);
    for (std::size_t g = 1; g < gates; ++g) series.more[g - 1].push_back(p.gates[g].states[k].theta1_deg);
  }
  if (series.x.empty()) return "";
  const std::string svg = line_chart_svg(series, 330, 170);
  if (svg.empty()) return "";
  std::string legend;
  for (std::size_t g = 0; g < gates; ++g) {
    legend += std::string(g == 0 ? "" : " ") + "<span style=\"color:" + curve_colour(g) + "\">gate " +
              std::to_string(g + 1) + (p.gates[g].failed ? " (failed)" : "") + "</span>";
  }
  return "<div class=\"chart\" data-field=\"flood-" + key(run) + "-gates\"><p class=\"chart-title\">" +
         run_name(run) + ": " + en_ja("leaf angle of each gate (degree)", u8"各門の扉体角度") + "<br>" + legend +
         "</p>" + svg + "</div>\n";
}

std::string charts(const FloodRun& run, const design::Limit& limit) {
  if (!run.started) return "";
  const std::string allowed = limit.given ? ", dashed: max_upstream_level " + limit.text : "";
  return "<h3>" + run_name(run) + "</h3>\n<div class=\"charts\">\n" +
         chart(run, "outflow (m3/s), dashed: inflow", u8"放流量・流入量", 1, 0, 0.0) +
         chart(run, "upstream level (m)" + allowed, u8"上流水位", 2, -1, limit.given ? limit.value : 0.0) +
         chart(run, "leaf angle (degree)", u8"扉体角度", 3, -1, 0.0) +
         chart(run, "bag pressure (kPa)", u8"袋体内圧", 4, -1, 0.0) + gate_angles_chart(run) + "</div>\n";
}

}  // namespace

std::string flood_section(const design::Design& design, const std::vector<FloodRun>& runs, int number,
                          const std::vector<operate::FailedRow>& failed) {
  if (runs.empty()) return "";
  const design::Limit& limit = design.criteria.max_upstream_level;
  std::string out = open_section("flood", true, number, en_ja("Flood passage", u8"洪水時操作"));
  out += "<p>" +
         en_ja("The design flood " + design.criteria.flood_inflow.text +
                   " routed through the pond of operation.csv, as tqweir-operate --flood computes "
                   "it: with power the valve and the blower follow the rule; without power "
                   "(--power-failure) only the float valve lowers the leaf and nothing raises it.",
               u8"設計洪水を operation.csv の貯水池・操作規則で追跡 (通常時と停電時)。") +
         "</p>\n";
  out += "<p>" + (runs.front().passage.drowned
                      ? en_ja("The overfall is drowned where the tailwater of tailwater_curve rises above the crest (Villemonte's submerged weir).",
                              u8"tailwater_curve の下流水位が天端を超えると潜り越流 (Villemonte 式)。")
                      : en_ja("Free overfall over the leaf is assumed: operation.csv gives no tailwater_curve.",
                              u8"越流は完全越流とする (tailwater_curve なし)。")) + "</p>\n";
  out += weir_table(design, runs.front().passage);
  out += summary_table(runs, limit) + stop_notes(runs);
  out += failed_gates_table(design, failed);
  for (const FloodRun& run : runs) out += charts(run, limit);
  return out + "</section>\n";
}

FloodCheck flood_check(const FloodRun& run, const design::Limit& limit) {
  FloodCheck check;
  if (!run.started || run.passage.route.points.empty()) {
    check.why = "does not start: " + run.stop;
    return check;
  }
  const operate::Freeboard f = operate::freeboard(run.passage.route, limit);
  check.verdict = f.verdict;
  if (f.verdict == design::Verdict::not_determined) check.why = "the route stops: " + run.passage.route.stop;
  return check;
}

std::string flood_check_name(const FloodRun& run) {
  return std::string("design flood ") + (run.power_failure ? "without power" : "with power");
}

std::vector<Table::Row> flood_check_rows(const design::Design& design, const std::vector<FloodRun>& runs) {
  const design::Limit& limit = design.criteria.max_upstream_level;
  std::vector<Table::Row> rows;
  if (!limit.given) return rows;
  for (const FloodRun& run : runs) {
    Table::Row row{" data-criterion=\"max_upstream_level\" data-flood=\"" + key(run) + "\"",
                   "<td>" + en_ja("Design flood", u8"設計洪水") + ", " + run_name(run) + "</td><td>" +
                       en_ja("Peak upstream level", u8"最高上流水位") + "</td>"};
    const FloodCheck check = flood_check(run, limit);
    if (!run.started || run.passage.route.points.empty()) {
      row.cells += "<td colspan=\"4\" class=\"result nd\">" +
                   en_ja("does not start: not determined", u8"計算不能 判定不能") + "</td>";
    } else {
      row.cells += "<td class=\"num value\">" + fixed_text(run.passage.route.peak.level, 3) +
                   " m</td><td class=\"num limit\">" + esc(limit.text) +
                   " m</td><td class=\"num ratio\"></td><td class=\"result " + verdict_class(check.verdict) +
                   "\">" + verdict_html(check.verdict) +
                   esc(operate::undetermined_note(check.verdict, run.passage.route)) + "</td>";
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace report
}  // namespace tqweir
