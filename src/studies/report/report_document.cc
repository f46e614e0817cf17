#include "studies/report/report_document.h"

#include "studies/report/html.h"
#include "studies/report/flood_section.h"
#include "studies/report/operation_section.h"
#include "studies/report/risk_section.h"
#include "studies/report/search_sections.h"
#include "studies/report/self_check_section.h"

namespace tqweir {
namespace report {
namespace {

// The sections every report has, in their order; the optional ones
// (charts, limit states, the sealed curve) follow, numbered as they come.
constexpr int kMethod = 1;
constexpr int kInput = 2;
constexpr int kLoadCases = 3;
constexpr int kResults = 4;
constexpr int kChecks = 5;
constexpr int kDrawings = 6;

// A4 with 15 mm side margins leaves 180 mm of text width; the body is that
// wide on screen too. Tables are laid out fixed at 100 %, and long words
// wrap anywhere, so no table can grow wider than the text.
const char kStyle[] = R"(
@page { size: A4; margin: 14mm 15mm 16mm 15mm;
  @bottom-center { content: counter(page) " / " counter(pages); font-size: 8pt; color: #555; } }
html { background: #fff; }
body { width: 180mm; margin: 0 auto; color: #111;
  font-family: 'IPAPGothic', 'IPAGothic', 'Noto Sans CJK JP', 'Noto Sans JP', sans-serif;
  font-size: 8.6pt; line-height: 1.38; }
@media screen { body { padding: 10mm 0; } }
h1 { font-size: 17pt; margin: 2mm 0 3mm; }
h2 { font-size: 12.5pt; border-bottom: 1.2pt solid #222; margin: 5mm 0 2mm; padding-bottom: 0.5mm;
  break-after: avoid; }
h3 { font-size: 10pt; margin: 3.5mm 0 1.2mm; break-after: avoid; }
.ja { color: #333; }
h1 .ja, h2 .ja, h3 .ja, th .ja { font-weight: normal; }
p { margin: 1mm 0 1.5mm; }
p.small, .small { font-size: 7.8pt; color: #333; }
.new-page { break-before: page; }
table { width: 100%; border-collapse: collapse; table-layout: fixed; margin: 1mm 0 3mm; }
th, td { border: 0.5pt solid #8a8a8a; padding: 0.6mm 1.2mm; vertical-align: top;
  overflow-wrap: anywhere; word-break: normal; }
th { background: #eef1f5; text-align: left; font-weight: bold; }
thead { display: table-header-group; }
tr { break-inside: avoid; }
td.num { text-align: right; font-variant-numeric: tabular-nums; white-space: nowrap; }
td.none { color: #888; text-align: center; }
col.spare { background: transparent; }
code { font-family: 'DejaVu Sans Mono', monospace; font-size: 0.94em; }
.no { display: inline-block; min-width: 1.3em; padding: 0 0.3em; border-radius: 0.6em;
  background: #223; color: #fff; text-align: center; font-weight: bold; font-size: 0.9em; }
.title-block { border: 1pt solid #222; padding: 3mm 4mm; }
.title-block .kind { letter-spacing: 0.1em; color: #444; margin: 0; }
table.meta th { width: 32%; }
.verdict { font-weight: bold; padding: 1.2mm 2mm; margin-top: 2mm; }
.verdict.ok { background: #e7f4e7; } .verdict.ng { background: #fbe6e6; }
.verdict.nd { background: #f1efe6; }
.ok { color: #0a6b1f; } .ng { color: #b00016; } .nd { color: #6b5600; }
td.result { text-align: center; font-weight: bold; }
td.status { text-align: center; }
.stop-note { border-left: 2pt solid #b00016; padding-left: 2mm; }
ul.warnings { margin: 1mm 0 2mm; padding-left: 5mm; }
figure.drawing { margin: 0 0 4mm; break-inside: avoid; }
figure.drawing svg { display: block; width: 100%; height: auto; }
figcaption { text-align: center; font-weight: bold; margin-top: 1mm; }
div.chart { display: inline-block; vertical-align: top; width: 49%; margin: 0 0 2.5mm;
  break-inside: avoid; }
div.chart:nth-child(odd) { margin-right: 1.5%; }
div.chart svg { display: block; width: 100%; height: auto; }
p.chart-title { font-weight: bold; margin: 0 0 0.5mm; min-height: 2.8em; }
pre.file { white-space: pre-wrap; overflow-wrap: anywhere; font-size: 7.6pt; border: 0.5pt solid #aaa;
  background: #fafafa; padding: 1mm 2mm; margin: 0 0 2mm; font-family: 'DejaVu Sans Mono', monospace; }
p.file-name { margin: 2mm 0 0.5mm; }
)";

// The numbers of the sections after the drawings, in the order they
// stand; 0 for a section the design has none of, which takes no number.
struct LaterSections {
  int charts = 0, limits = 0, sealed = 0, operation = 0, flood = 0, risk = 0, leaf = 0;
};

LaterSections later_sections(const design::Design& design, bool has_charts) {
  LaterSections n;
  int number = kDrawings;
  if (has_charts) n.charts = ++number;
  if (has_limit_states_section(design)) n.limits = ++number;
  if (has_sealed_section(design)) n.sealed = ++number;
  if (has_operation_section(design)) n.operation = ++number;
  if (!flood_inflow_path(design).empty()) n.flood = ++number;
  if (risk_study::has_risk(design)) n.risk = ++number;
  n.leaf = ++number;
  return n;
}

// The page's head, its style and the opening of its body.
std::string report_head(const design::Design& design) {
  const std::string title =
      design.criteria.title.empty() ? u8"設計計算書 Design calculation report" : design.criteria.title;
  return "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + esc(title) +
         "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n";
}

const char kReportEnd[] = "</body>\n</html>\n";

// The numbers as they stand after the charts section, which is there when
// the cases' runs give a curve.
LaterSections later_sections(const design::Design& design, const std::vector<CaseRun>& runs) {
  return later_sections(design, !charts_section(design, runs, kDrawings + 1).empty());
}

}  // namespace

std::vector<CaseRun> run_design(const design::Design& design) {
  std::vector<CaseRun> runs;
  runs.reserve(design.cases.size());
  for (const design::LoadCase& c : design.cases) {
    runs.push_back(run_case_in_memory(c.input));
  }
  return runs;
}

std::string numbered_checks_section(const design::Design& design, const std::vector<CaseRun>& runs) {
  return checks_section(design, runs, kChecks, kResults, {});
}

Report make_report(const design::Design& design, const std::vector<CaseRun>& runs,
                   const ReportContext& context) {
  // The flood's routes and its risk first: the title block's verdict
  // counts their checks.
  std::vector<operate::FailedRow> failed;
  const std::vector<FloodRun> floods = run_floods(design, &failed);
  const std::optional<ReportRisk> risk = run_report_risk(design);
  Report report;
  report.tally = tally_checks(design, runs, floods, failed, risk);
  std::string out = report_head(design);
  out += title_block(design, runs, report.tally, context);
  // The numbered sections, numbered here in the order they stand.
  out += method_section(kMethod);
  out += input_section(design, kInput);
  out += load_case_section(design, kLoadCases);
  out += results_section(design, runs, kResults);
  out += checks_section(design, runs, kChecks, kResults, floods, failed, risk_check_rows(design, risk));
  out += drawings_section(design, runs, kDrawings);
  // A design without operating curves has no such section and no number for it.
  const std::string charts = charts_section(design, runs, kDrawings + 1);
  const LaterSections later = later_sections(design, !charts.empty());
  out += charts;
  out += limit_states_section(design, later.limits);
  out += sealed_section(design, later.sealed);
  out += operation_section(design, later.operation);
  out += flood_section(design, floods, later.flood, failed);
  out += risk_section(design, risk, later.risk);
  out += leaf_section(design, runs, later.leaf);
  out += appendix_section(design, runs);
  out += self_check_section(design, runs);
  report.html = out + kReportEnd;
  return report;
}

std::string report_html(const design::Design& design, const std::vector<CaseRun>& runs,
                        const ReportContext& context) {
  return make_report(design, runs, context).html;
}

std::string flood_section_page(const design::Design& design, const std::vector<CaseRun>& runs,
                               const std::vector<FloodRun>& floods) {
  return report_head(design) + flood_section(design, floods, later_sections(design, runs).flood) + kReportEnd;
}

std::string operation_section_page(const design::Design& design, const std::vector<CaseRun>& runs) {
  return report_head(design) + operation_section(design, later_sections(design, runs).operation) + kReportEnd;
}

}  // namespace report
}  // namespace tqweir
