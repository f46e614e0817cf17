// What tqweir-operate operates: the load case of a design that --case
// names, and the design folder's operation.csv.
#ifndef TQWEIR_STUDIES_OPERATION_OPERATE_CASE_H_
#define TQWEIR_STUDIES_OPERATION_OPERATE_CASE_H_

#include <optional>
#include <string>

#include "design/design.h"
#include "operation/operation_file.h"
#include "studies/operation/operate_request.h"
#include "studies/operation/operated_design.h"

namespace tqweir {
namespace operate {

struct ChosenCase {
  std::string name;  // UTF-8
  CaseInput input;
};

// The load case of loadcases.csv named `name`; none when it has no such
// case (or the design's cases come from elsewhere).
std::optional<ChosenCase> load_case(const design::Design& design, const std::string& name);

// The load case of loadcases.csv named by --case, or the base case without
// it. Throws text::InputError when loadcases.csv has no case of that name.
ChosenCase choose_case(const design::Design& design, const OperateOptions& options);

// DIR/operation.csv. Throws text::InputError as operation::read_operation_in
// does, and when the folder has none.
operation::OperationFile read_operation_file(const std::string& dir);

// The operation.csv of a design read once, refused as read_operation_file
// refuses it.
const operation::OperationFile& gate_operation_file(const OperatedDesign& design);

}  // namespace operate
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_OPERATION_OPERATE_CASE_H_
