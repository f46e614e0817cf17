#include "studies/report/flood_runs.h"

#include "core/file_io.h"
#include "operation/operation_file.h"
#include "text/csv_cells.h"
#include "text/input_error.h"
#include "text/count_text.h"
#include "text/name_value_rows.h"
#include "studies/flood/flood_job.h"
#include "studies/operation/operated_design.h"

namespace tqweir {
namespace report {

std::string flood_inflow_path(const design::Design& design) {
  const design::GivenText& row = design.criteria.flood_inflow;
  return row.given && !design.dir.empty() ? join_path(design.dir, row.text) : "";
}

flood::Hydrograph design_inflow(const design::Design& design) {
  return operate::held_inflow(design, flood_inflow_path(design));
}

operate::FloodRequest flood_request(const design::Design& design, bool power_failure) {
  operate::FloodRequest request;
  request.inflow = design_inflow(design);
  request.power_failure = power_failure;
  return request;
}

void check_flood_inputs(const design::Design& design) {
  if (flood_inflow_path(design).empty()) return;
  const operate::FloodJob job = operate::flood_job(operate::operated(design), flood_request(design, false));
  const design::Limit& k = design.criteria.max_failed_gates;
  const int gates = operation::gate_count(job.file);
  if (k.given && k.value > gates) {
    throw text::InputError(text::cell_place(join_path(design.dir, "criteria.csv"), k.line, 2) +
                           " (max_failed_gates): " + text::shown_cell(k.text) + " is more than the weir's " +
                           text::count_of(static_cast<std::size_t>(gates), "gate") + " (operation.csv)");
  }
}

bool has_failed_table(const design::Design& design) {
  if (flood_inflow_path(design).empty()) return false;
  if (design.criteria.max_failed_gates.given) return true;
  const operate::OperatedDesign gate = operate::operated(design);
  return gate.has_operation && operation::gate_count(gate.operation) > 1;
}

std::vector<FloodRun> run_floods(const design::Design& design, std::vector<operate::FailedRow>* failed) {
  if (failed != nullptr) failed->clear();
  if (flood_inflow_path(design).empty()) return {};
  const operate::FloodJob job = operate::flood_job(operate::operated(design), flood_request(design, false));
  flood::SharedPaths shared;
  std::vector<FloodRun> runs = operate::route_flood_both_ways(job, &shared);
  if (failed != nullptr && has_failed_table(design)) *failed = operate::failed_table(job, -1, &shared);
  return runs;
}

}  // namespace report
}  // namespace tqweir
