#include "studies/operation/operate_case.h"

#include "core/file_io.h"
#include "studies/operation/operated_design.h"
#include "text/input_error.h"

namespace tqweir {
namespace operate {

std::optional<ChosenCase> load_case(const design::Design& design, const std::string& name) {
  for (const design::LoadCase& c : design.cases) {
    if (design.cases_from != "loadcases.csv" || c.name != name) continue;
    return ChosenCase{c.name, c.input};
  }
  return std::nullopt;
}

ChosenCase choose_case(const design::Design& design, const OperateOptions& options) {
  if (!options.has_case) return {design::kBaseCaseName, design.base.input};
  if (const std::optional<ChosenCase> chosen = load_case(design, options.case_name)) return *chosen;
  throw text::InputError("--case " + options.case_name + ": no such load case in " +
                         join_path(options.dir, "loadcases.csv"));
}

operation::OperationFile read_operation_file(const std::string& dir) {
  design::Design folder;
  folder.dir = dir;
  return gate_operation_file(operated(folder));
}

const operation::OperationFile& gate_operation_file(const OperatedDesign& design) {
  return operation_file(design, "the design gives no valve or blower");
}

}  // namespace operate
}  // namespace tqweir
