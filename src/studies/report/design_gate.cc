#include "studies/report/design_gate.h"

#include "core/file_io.h"
#include "studies/flood/flood_job.h"
#include "studies/report/flood_runs.h"
#include "text/input_error.h"

namespace tqweir {
namespace report {

operate::OperatedDesign design_gate(const design::Design& design) {
  operate::OperatedDesign gate;
  gate.design = design;
  try {
    gate.has_operation = operation::read_operation_from(design.folder, gate.operation);
  } catch (const text::InputError& error) {
    gate.operation_refusal = error.what();
  }
  return gate;
}

flood::Hydrograph design_inflow(const design::Design& design) {
  return operate::held_inflow(design, flood_inflow_path(design));
}

}  // namespace report
}  // namespace tqweir
