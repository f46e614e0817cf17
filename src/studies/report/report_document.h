// The calculation report as one self-contained HTML page for A4 print.
#ifndef TQWEIR_STUDIES_REPORT_REPORT_DOCUMENT_H_
#define TQWEIR_STUDIES_REPORT_REPORT_DOCUMENT_H_

#include <string>
#include <vector>

#include "design/design.h"
#include "studies/report/case_run.h"
#include "studies/report/check_verdict.h"
#include "studies/report/flood_runs.h"
#include "studies/report/report_sections.h"

namespace tqweir {
namespace report {

// Runs every case of `design` with the program's sequence, in case order.
std::vector<CaseRun> run_design(const design::Design& design);

// The design checks section alone, numbered as the report numbers it (a
// page that shows the checks beside the design).
std::string numbered_checks_section(const design::Design& design, const std::vector<CaseRun>& runs);

// The whole page and the verdict on its checks (the command's exit status
// follows it).
struct Report {
  std::string html;
  CheckTally tally;
};
Report make_report(const design::Design& design, const std::vector<CaseRun>& runs,
                   const ReportContext& context);

// The whole page (UTF-8): inline style and SVG, no script, no reference to
// any other file. The page's body is as wide as the A4 text, on screen as
// in print, so what a browser window shows is what the paper gets.
std::string report_html(const design::Design& design, const std::vector<CaseRun>& runs,
                        const ReportContext& context);

// The report's page with its flood section alone, numbered as the whole
// report numbers it (`runs` decide whether the charts section before it
// is there), for `floods` routed from the design's flood_inflow.
std::string flood_section_page(const design::Design& design, const std::vector<CaseRun>& runs,
                               const std::vector<FloodRun>& floods);

// The report's page with its operation section alone, numbered likewise:
// the page's Operation tab, without the report's other work (its flood
// routes above all).
std::string operation_section_page(const design::Design& design, const std::vector<CaseRun>& runs);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_REPORT_REPORT_DOCUMENT_H_
