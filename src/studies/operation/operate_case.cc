#include "studies/operation/operate_case.h"

#include "core/file_io.h"
#include "studies/operation/operated_design.h"
#include "text/input_error.h"
#include "text/number_text.h"

namespace tqweir {
namespace operate {

void check_within(double minutes) {
  if (minutes >= kLeastWithinMinutes && minutes <= kMostWithinMinutes) return;
  throw OperateRefusal(OperateInput::within, "give a number of minutes from " +
                                                 text::exact_text(kLeastWithinMinutes) + " to " +
                                                 text::exact_text(kMostWithinMinutes));
}

std::optional<ChosenCase> load_case(const design::Design& design, const std::string& name) {
  for (const design::LoadCase& c : design.cases) {
    if (design.cases_from != "loadcases.csv" || c.name != name) continue;
    return ChosenCase{c.name, c.input};
  }
  return std::nullopt;
}

ChosenCase choose_case(const design::Design& design, const OperateRequest& request) {
  if (!request.case_name) return {design::kBaseCaseName, design.base.input};
  if (const std::optional<ChosenCase> chosen = load_case(design, *request.case_name)) return *chosen;
  throw OperateRefusal(OperateInput::load_case,
                       "no such load case in " + join_path(design.dir, "loadcases.csv"));
}

operation::OperationFile read_operation_file(const std::string& dir) {
  design::Design folder;
  folder.dir = dir;
  folder.folder = FolderTexts::on_disk(dir);
  folder.folder.file(design::kOperationFileName);
  return gate_operation_file(operated(folder));
}

const operation::OperationFile& gate_operation_file(const OperatedDesign& design) {
  return operation_file(design, "the design gives no valve or blower");
}

OperatedCase operate_case(const OperatedDesign& design, const OperateRequest& request) {
  if (request.within_minutes) check_within(*request.within_minutes);
  OperatedCase operated_case;
  operated_case.chosen = choose_case(design.design, request);
  operated_case.file = gate_operation_file(design);
  const CaseInput& input = operated_case.chosen.input;
  operated_case.op = request.lower ? operation::lower_gate(input, operated_case.file)
                                   : operation::raise_gate(input, operated_case.file);
  operated_case.printed = {operated_case.chosen.name, request.within_minutes.has_value(),
                           request.within_minutes.value_or(0.0)};
  return operated_case;
}

}  // namespace operate
}  // namespace tqweir
