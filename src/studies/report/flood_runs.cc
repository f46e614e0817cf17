#include "studies/report/flood_runs.h"

#include "core/file_io.h"
#include "studies/flood/flood_job.h"
#include "studies/report/design_gate.h"

namespace tqweir {
namespace report {

operate::OperateOptions flood_options(const design::Design& design, bool power_failure) {
  operate::OperateOptions options;
  options.dir = design.dir;
  options.mode = operate::Mode::flood;
  options.inflow = flood_inflow_path(design);
  options.power_failure = power_failure;
  return options;
}

std::string flood_inflow_path(const design::Design& design) {
  const design::GivenText& row = design.criteria.flood_inflow;
  return row.given && !design.dir.empty() ? join_path(design.dir, row.text) : "";
}

void check_flood_inputs(const design::Design& design) {
  if (flood_inflow_path(design).empty()) return;
  const flood::Hydrograph inflow = design_inflow(design);
  operate::flood_job(design_gate(design), inflow);
}

std::vector<FloodRun> run_floods(const design::Design& design) {
  if (flood_inflow_path(design).empty()) return {};
  const flood::Hydrograph inflow = design_inflow(design);
  return operate::route_flood_both_ways(operate::flood_job(design_gate(design), inflow));
}

}  // namespace report
}  // namespace tqweir
