#include "studies/report/flood_runs.h"

#include "core/file_io.h"
#include "studies/flood/flood_job.h"
#include "studies/operation/operated_design.h"
#include "text/input_error.h"

namespace tqweir {
namespace report {

std::string flood_inflow_path(const design::Design& design) {
  const design::GivenText& row = design.criteria.flood_inflow;
  return row.given && !design.dir.empty() ? join_path(design.dir, row.text) : "";
}

flood::Hydrograph design_inflow(const design::Design& design) {
  const std::string path = flood_inflow_path(design);
  const FolderFile& file = design.folder.known(design.criteria.flood_inflow.text);
  if (file.found != FileFound::read) throw text::InputError("cannot read " + path);
  return flood::read_hydrograph(file.bytes, path);
}

operate::FloodRequest flood_request(const design::Design& design, bool power_failure) {
  operate::FloodRequest request;
  request.inflow = design_inflow(design);
  request.power_failure = power_failure;
  return request;
}

void check_flood_inputs(const design::Design& design) {
  if (flood_inflow_path(design).empty()) return;
  operate::flood_job(operate::operated(design), flood_request(design, false));
}

std::vector<FloodRun> run_floods(const design::Design& design) {
  if (flood_inflow_path(design).empty()) return {};
  return operate::route_flood_both_ways(operate::flood_job(operate::operated(design),
                                                           flood_request(design, false)));
}

}  // namespace report
}  // namespace tqweir
