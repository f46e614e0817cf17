#include "studies/risk/risk_job.h"

#include "cases/base_case.h"
#include "core/file_io.h"
#include "flood/flood_file.h"
#include "risk/scaled_flood.h"
#include "text/input_error.h"
#include "text/text_encoding.h"

namespace tqweir {
namespace risk_study {

using text::InputError;

risk::RiskFile read_risk_in(const std::string& dir) {
  FolderTexts folder = FolderTexts::on_disk(dir);
  return read_risk_in(folder);
}

risk::RiskFile read_risk_in(FolderTexts& folder) {
  const std::string path = join_path(folder.dir(), "risk.csv");
  const FolderFile& file = folder.file("risk.csv");
  if (file.found == FileFound::absent) {
    throw InputError(path + " is missing: the risk needs the flood peak's distribution there");
  }
  if (file.found != FileFound::read) throw InputError("cannot read " + path);
  return risk::read_risk(text::decoded_text(file.bytes, path), path);
}

RiskJob risk_job(const operate::OperatedDesign& design) {
  FolderTexts folder = design.design.folder;
  return risk_job(design, folder);
}

RiskJob risk_job(const operate::OperatedDesign& design, FolderTexts& folder) {
  RiskJob job;
  job.dir = design.design.dir;
  job.base = design.design.base.input;
  job.file = operate::operation_file(design, "the design gives no pond and no rule");
  flood::read_flood_rows(job.file);  // refused now, before any solve
  // The branches are one gate's (it fails or it does not); a weir's
  // branches are its choices of failed gates, which this estimate does not
  // weigh yet, so it refuses a weir rather than misstate its risk.
  if (job.file.gates.given && operation::gate_count(job.file) > 1) {
    throw InputError(operation::value_place(job.file, job.file.gates.line, "gates") + ": " +
                     job.file.gates.text +
                     " gates: the risk is estimated for a design of one gate only");
  }
  const design::Criteria& c = design.design.criteria;
  if (!c.flood_inflow.given) {
    throw InputError(join_path(job.dir, "criteria.csv") +
                     " gives no flood_inflow: the risk scales that flood's shape to each peak");
  }
  job.shape_name = c.flood_inflow.text;
  const std::string shape_path = join_path(job.dir, c.flood_inflow.text);
  const FolderFile& shape = folder.file(c.flood_inflow.text);
  if (shape.found != FileFound::read) throw InputError("cannot read " + shape_path);
  job.shape = flood::read_hydrograph(shape.bytes, shape_path);
  if (!(risk::peak_flow(job.shape) > job.shape.flows.front())) {
    throw InputError(join_path(job.dir, c.flood_inflow.text) +
                     ": its peak is not above its first row's flow, so it has no shape to scale");
  }
  job.max_level = c.max_upstream_level;
  job.risk = read_risk_in(folder);
  return job;
}

std::vector<std::string> risk_inputs(const std::string& dir) {
  std::vector<std::string> inputs = cases::base_case_paths(dir);
  for (const char* name : {"loadcases.csv", "criteria.csv", "operation.csv", "risk.csv"}) {
    inputs.push_back(join_path(dir, name));
  }
  return inputs;
}

}  // namespace risk_study
}  // namespace tqweir
