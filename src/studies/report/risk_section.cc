// The section 洪水リスク Flood risk.
#include "studies/report/risk_section.h"

#include <algorithm>
#include <cmath>
#include <thread>

#include "risk/risk_estimate.h"
#include "studies/report/check_verdict.h"
#include "studies/operation/operated_design.h"
#include "studies/report/html.h"
#include "studies/report/line_chart.h"
#include "studies/report/section_heading.h"
#include "text/number_text.h"

namespace tqweir {
namespace report {
namespace {

using risk_study::aep_text;
using risk_study::years_text;

std::string num_cell(const std::string& text) { return "<td class=\"num\">" + esc(text) + "</td>"; }

std::string sampling_text(const risk_study::RiskJob& job) {
  const risk::RiskFile& f = job.risk;
  std::string text = "The peak inflow follows " + risk_study::law_text(f.peak) + "; each flood is " +
                     job.shape_name + " scaled to the sampled peak. " + std::to_string(f.bins) +
                     " bins of equal width in the Gumbel variate from AEP " + aep_text(f.aep_from) +
                     " to " + aep_text(f.aep_to) + ", " + std::to_string(f.events_per_bin) +
                     " events each, seed " + std::to_string(f.seed);
  if (f.realizations > 1) text += ", " + std::to_string(f.realizations) + " realizations";
  return text + " (risk.csv's sampling as written). Every flood is routed in each branch of what "
                "fails and weighted by the branch's probability. Floods rarer than AEP " +
         aep_text(f.aep_to) + " count as passing every level; more frequent ones count at the level of the flood at AEP " +
         aep_text(f.aep_from) + ".";
}

std::string limit_table(const ReportRisk& r) {
  const risk_study::RiskStudy& s = r.study;
  const bool spread = r.job.risk.realizations > 1;
  Table table;
  table.cls = "risk-limit";
  table.head_rows = {head_cells({en_ja("Level passed", u8"超過水位"), en_ja("AEP", u8"年超過確率"),
                                 en_ja("Return period", u8"再現期間"), en_ja("Sampling error", u8"標本誤差"),
                                 spread ? en_ja("5 % to 95 %", u8"5 %–95 %") : en_ja("Routes", u8"追跡")})};
  std::string last = std::to_string(s.run.events.size()) + " events, " + std::to_string(s.routes) + " passages";
  if (spread) last = aep_text(s.limit.aep_5) + " – " + aep_text(s.limit.aep_95);
  table.rows.push_back({" data-risk=\"limit\"",
                        "<td>max_upstream_level " + esc(r.job.max_level.text) + " m</td>" +
                            num_cell(aep_text(s.limit.aep)) + num_cell(years_text(s.limit.aep)) +
                            num_cell(std::isfinite(s.limit_error) ? aep_text(s.limit_error) : "-") +
                            (spread ? num_cell(last) : "<td>" + esc(last) + "</td>")});
  return render_table(table);
}

std::string branch_table(const ReportRisk& r) {
  const risk::RiskRun& run = r.study.run;
  Table table;
  table.cls = "risk-branches";
  table.columns = widths({"46%", "", ""});
  table.head_rows = {head_cells({en_ja("Branch", u8"分岐"), en_ja("Probability per flood", u8"洪水ごとの確率"),
                                 en_ja("AEP of passing the limit", u8"超過確率への寄与")})};
  for (std::size_t b = 0; b < run.branches.size(); ++b) {
    table.rows.push_back({" data-branch=\"" + std::to_string(b) + "\"",
                          "<td>" + esc(risk::branch_name(run.branches[b], run.gates)) + "</td>" +
                              num_cell(aep_text(run.branch_p[b])) + num_cell(aep_text(r.study.limit_branches[b]))});
  }
  table.rows.push_back({" data-branch=\"tail\"", "<td>" + en_ja("floods rarer than aep_to", u8"aep_to より稀な洪水") +
                                                     "</td><td class=\"none\">-</td>" +
                                                     num_cell(aep_text(r.job.risk.aep_to))});
  return render_table(table);
}

// The curve with the AEP on a logarithmic scale: the chart's axes are
// linear, so it plots log10 of the AEP against the level.
std::string curve_chart(const design::Design& design, const ReportRisk& r) {
  const design::Limit& allowed = design.criteria.max_aep_of_limit;
  ChartSeries series;
  series.title = "log10 AEP of the peak level";
  series.x_label = "peak upstream level (m)";
  series.marks = false;
  for (const risk::AepRow& row : r.study.curve) {
    if (!(row.aep > 0.0)) continue;
    series.x.push_back(row.level);
    series.y.push_back(std::log10(row.aep));
    if (allowed.given) series.y2.push_back(std::log10(allowed.value));
  }
  if (series.x.empty()) return "";
  const std::string dashed = allowed.given ? ", dashed: max_aep_of_limit " + allowed.text : "";
  return "<div class=\"charts\">\n<div class=\"chart\" data-field=\"risk-curve\"><p class=\"chart-title\">" +
         en_ja("log10 of the AEP of the peak level against the level" + dashed,
               u8"最高水位の年超過確率 (常用対数)") +
         "</p>" + chart_or_note(series, 330, 170) + "</div>\n</div>\n";
}

}  // namespace

void check_risk_inputs(const design::Design& design) {
  if (risk_study::has_risk(design)) risk_study::risk_job(operate::operated(design));
}

std::optional<ReportRisk> run_report_risk(const design::Design& design) {
  if (!risk_study::has_risk(design)) return std::nullopt;
  ReportRisk r;
  r.job = risk_study::risk_job(operate::operated(design));
  r.study = risk_study::run_risk_study(r.job, static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
  return r;
}

std::string risk_section(const design::Design& design, const std::optional<ReportRisk>& risk, int number) {
  if (!risk) return "";
  const risk_study::RiskStudy& s = risk->study;
  std::string out = open_section("risk", true, number, en_ja("Flood risk", u8"洪水リスク"));
  out += "<p>" +
         en_ja("How often per year the pond rises past each level, as tqweir-risk computes it. " +
                   sampling_text(risk->job),
               u8"洪水ピーク流量の確率分布と停電・ゲート故障の確率から、上流水位の年超過確率を求める "
               u8"(層別モンテカルロ)。") +
         "</p>\n";
  if (s.run.gates > 1) {
    out += "<p>" +
           en_ja("With K of the weir's " + std::to_string(s.run.gates) +
                     " gates failed, the K that would lower first (by their levels, then number) are the "
                     "failed ones: the worst choice by position.",
                 u8"K 門故障時は先に倒伏する K 門を故障とする。") +
           "</p>\n";
  }
  if (s.unfinished > 0) {
    out += "<p class=\"stop-note\">" +
           en_ja(std::to_string(s.unfinished) +
                     " events have a route that did not reach its end; they count as passing every level, "
                     "so every AEP here is an upper bound, not determined.",
                 u8"追跡が終了しない事象があり、年超過確率は上限値 (判定不能)。") +
           "</p>\n";
  }
  if (s.has_limit) out += limit_table(*risk) + branch_table(*risk);
  out += curve_chart(design, *risk);
  return out + "</section>\n";
}

RiskCheck risk_check(const design::Design& design, const std::optional<ReportRisk>& risk) {
  RiskCheck check;
  if (!risk) {
    check.why = "no risk.csv in the design folder";
    return check;
  }
  const double aep = risk->study.limit.aep, allowed = design.criteria.max_aep_of_limit.value;
  if (aep <= allowed) {
    check.verdict = design::Verdict::ok;
  } else if (risk->study.unfinished == 0) {
    check.verdict = design::Verdict::ng;
  } else {
    check.why = std::to_string(risk->study.unfinished) + " routes stopped: the AEP is an upper bound";
  }
  return check;
}

std::vector<Table::Row> risk_check_rows(const design::Design& design, const std::optional<ReportRisk>& risk) {
  const design::Limit& allowed = design.criteria.max_aep_of_limit;
  if (!allowed.given) return {};
  Table::Row row{" data-criterion=\"max_aep_of_limit\"",
                 "<td>" + en_ja("Flood risk", u8"洪水リスク") + "</td><td>" +
                     en_ja("AEP of passing max_upstream_level", u8"上流水位の年超過確率") + "</td>"};
  const RiskCheck check = risk_check(design, risk);
  if (!risk) {
    row.cells += "<td colspan=\"4\" class=\"result nd\">" +
                 en_ja("no risk.csv: not determined", u8"risk.csv なし 判定不能") + "</td>";
  } else {
    const double aep = risk->study.limit.aep;
    row.cells += "<td class=\"num value\">" + aep_text(aep) + "</td><td class=\"num limit\">" +
                 esc(allowed.text) + "</td><td class=\"num ratio\">" + text::ratio_text(aep / allowed.value) +
                 "</td><td class=\"result " + verdict_class(check.verdict) + "\">" +
                 verdict_html(check.verdict) + (check.why.empty() ? "" : " " + esc(check.why)) + "</td>";
  }
  return {row};
}

}  // namespace report
}  // namespace tqweir
