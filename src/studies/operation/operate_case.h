// A load case of a design lowered through its exhaust valve or raised with
// its blower: the case the request names, the design's operation.csv, and
// the path with its times.
#ifndef TQWEIR_STUDIES_OPERATION_OPERATE_CASE_H_
#define TQWEIR_STUDIES_OPERATION_OPERATE_CASE_H_

#include <optional>
#include <string>

#include "design/design.h"
#include "operation/gate_operation.h"
#include "operation/operation_file.h"
#include "studies/operation/operate_output.h"
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

// The load case of loadcases.csv the request names, or the base case
// without a name. Throws OperateRefusal (OperateInput::load_case) when
// loadcases.csv has no case of that name.
ChosenCase choose_case(const design::Design& design, const OperateRequest& request);

// DIR/operation.csv. Throws text::InputError as operation::read_operation_in
// does, and when the folder has none.
operation::OperationFile read_operation_file(const std::string& dir);

// The operation.csv of a design read once, refused as read_operation_file
// refuses it.
const operation::OperationFile& gate_operation_file(const OperatedDesign& design);

// A lowering or a raising and what its printout needs.
struct OperatedCase {
  ChosenCase chosen;
  operation::OperationFile file;
  operation::GateOperation op;
  Printed printed;
};

// The request's case lowered or raised on `design`'s operation.csv.
// Throws OperateRefusal for `within` out of range or a load case not in
// loadcases.csv, then text::InputError as gate_operation_file does.
OperatedCase operate_case(const OperatedDesign& design, const OperateRequest& request);

}  // namespace operate
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_OPERATION_OPERATE_CASE_H_
