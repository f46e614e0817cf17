#include "studies/risk/risk_job.h"

#include "cases/base_case.h"
#include "core/file_io.h"
#include "flood/flood_file.h"
#include "risk/scaled_flood.h"
#include "studies/flood/flood_job.h"
#include "text/input_error.h"
#include "text/text_encoding.h"

namespace tqweir {
namespace risk_study {

using text::InputError;

bool has_risk(const design::Design& design) {
  return design.folder.known(design::kRiskFileName).found != FileFound::absent;
}

risk::RiskFile held_risk(const design::Design& design) {
  const std::string path = join_path(design.dir, design::kRiskFileName);
  const FolderFile& file = design.folder.known(design::kRiskFileName);
  if (file.found == FileFound::absent) {
    throw InputError(path + " is missing: the risk needs the flood peak's distribution there");
  }
  if (file.found != FileFound::read) throw InputError("cannot read " + path);
  return risk::read_risk(text::decoded_text(file.bytes, path), path);
}

RiskJob risk_job(const operate::OperatedDesign& design) {
  RiskJob job;
  job.dir = design.design.dir;
  job.base = design.design.base.input;
  job.file = operate::operation_file(design, "the design gives no pond and no rule");
  flood::read_flood_rows(job.file);  // refused now, before any solve
  const design::Criteria& c = design.design.criteria;
  if (!c.flood_inflow.given) {
    throw InputError(join_path(job.dir, "criteria.csv") +
                     " gives no flood_inflow: the risk scales that flood's shape to each peak");
  }
  job.shape_name = c.flood_inflow.text;
  job.shape = operate::held_inflow(design.design, join_path(job.dir, c.flood_inflow.text));
  if (!(risk::peak_flow(job.shape) > job.shape.flows.front())) {
    throw InputError(join_path(job.dir, c.flood_inflow.text) +
                     ": its peak is not above its first row's flow, so it has no shape to scale");
  }
  job.max_level = c.max_upstream_level;
  job.risk = held_risk(design.design);
  return job;
}

std::vector<std::string> risk_inputs(const std::string& dir) {
  std::vector<std::string> inputs = cases::base_case_paths(dir);
  for (const char* name : {"loadcases.csv", "criteria.csv", design::kOperationFileName, design::kRiskFileName}) {
    inputs.push_back(join_path(dir, name));
  }
  return inputs;
}

}  // namespace risk_study
}  // namespace tqweir
