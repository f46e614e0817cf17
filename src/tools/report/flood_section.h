// The report's section on the design flood: criteria.csv's flood_inflow
// routed through operation.csv's pond with power and without, as
// tqweir-operate --flood computes it.
#ifndef TQWEIR_TOOLS_REPORT_FLOOD_SECTION_H_
#define TQWEIR_TOOLS_REPORT_FLOOD_SECTION_H_

#include <string>
#include <vector>

#include "design/design.h"
#include "tools/report/flood_runs.h"
#include "tools/report/html_table.h"

namespace tqweir {
namespace report {

// The section numbered `number`: the summary of each run (the numbers
// tqweir-operate --flood prints) and its charts over time; "" without runs.
std::string flood_section(const design::Design& design, const std::vector<FloodRun>& runs, int number);

// The rows of the checks' table for max_upstream_level: the peak level of
// each run against it (a run that does not start fails); none without
// runs or without the limit.
std::vector<Table::Row> flood_check_rows(const design::Design& design, const std::vector<FloodRun>& runs);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_REPORT_FLOOD_SECTION_H_
