#include "studies/operation/operated_design.h"

#include "core/file_io.h"
#include "text/input_error.h"

namespace tqweir {
namespace operate {

OperatedDesign operated(const design::Design& design) {
  OperatedDesign d;
  d.design = design;
  try {
    d.has_operation = operation::read_operation_from(design.folder, d.operation);
  } catch (const text::InputError& error) {
    d.operation_refusal = error.what();
  }
  return d;
}

OperatedDesign read_operated_design(const std::string& dir, const std::vector<std::string>& ranges) {
  return operated(design::read_design(dir, ranges));
}

const operation::OperationFile& operation_file(const OperatedDesign& design, const char* missing) {
  if (!design.operation_refusal.empty()) throw text::InputError(design.operation_refusal);
  if (!design.has_operation) {
    throw text::InputError(join_path(design.design.dir, "operation.csv") + " is missing: " + missing);
  }
  return design.operation;
}

}  // namespace operate
}  // namespace tqweir
