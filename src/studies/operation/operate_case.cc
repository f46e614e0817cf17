#include "studies/operation/operate_case.h"

#include "core/file_io.h"
#include "text/input_error.h"

namespace tqweir {
namespace operate {

ChosenCase choose_case(const design::Design& design, const OperateOptions& options) {
  if (!options.has_case) return {design::kBaseCaseName, design.base.input};
  for (const design::LoadCase& c : design.cases) {
    if (design.cases_from != "loadcases.csv" || c.name != options.case_name) continue;
    return {c.name, c.input};
  }
  throw text::InputError("--case " + options.case_name + ": no such load case in " +
                         join_path(options.dir, "loadcases.csv"));
}

operation::OperationFile read_operation_file(const std::string& dir) {
  operation::OperationFile file;
  if (!operation::read_operation_in(dir, file)) {
    throw text::InputError(join_path(dir, "operation.csv") +
                           " is missing: the design gives no valve or blower");
  }
  return file;
}

}  // namespace operate
}  // namespace tqweir
