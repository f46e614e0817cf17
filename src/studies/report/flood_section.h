// The report's section on the design flood: criteria.csv's flood_inflow
// routed through operation.csv's pond with power and without, as
// tqweir-operate --flood computes it.
#ifndef TQWEIR_STUDIES_REPORT_FLOOD_SECTION_H_
#define TQWEIR_STUDIES_REPORT_FLOOD_SECTION_H_

#include <string>
#include <vector>

#include "design/design.h"
#include "design/design_checks.h"
#include "studies/flood/failed_gates.h"
#include "studies/report/flood_runs.h"
#include "studies/report/html_table.h"

namespace tqweir {
namespace report {

// The section numbered `number`: the summary of each run (the numbers
// tqweir-operate --flood prints) and its charts over time; for a weir
// (weir_section.h) its table first, the K-failed table `failed` after the
// summary, and a chart of the gates' angles; "" without runs.
std::string flood_section(const design::Design& design, const std::vector<FloodRun>& runs, int number,
                          const std::vector<operate::FailedRow>& failed = {});

// The check of max_upstream_level on one run: NG once the level passed it,
// OK when the route reached the flood's end within it, else not determined
// (a run that does not start, a route that stops), `why` saying so.
struct FloodCheck {
  design::Verdict verdict = design::Verdict::not_determined;
  std::string why;  // UTF-8, when not determined
};

// REQUIRES: limit.given.
FloodCheck flood_check(const FloodRun& run, const design::Limit& limit);

// "design flood with power", "design flood without power".
std::string flood_check_name(const FloodRun& run);

// The rows of the checks' table for max_upstream_level: the peak level of
// each run against it, as flood_check judges it; none without runs or
// without the limit.
std::vector<Table::Row> flood_check_rows(const design::Design& design, const std::vector<FloodRun>& runs);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_REPORT_FLOOD_SECTION_H_
