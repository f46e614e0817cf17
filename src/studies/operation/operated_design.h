// A design folder read once for the gate's studies: the design (the base
// case, its load cases and criteria) and its operation.csv, so that a
// study made many times on it (the floods of a risk, a Python session)
// reads no file again.
#ifndef TQWEIR_STUDIES_OPERATION_OPERATED_DESIGN_H_
#define TQWEIR_STUDIES_OPERATION_OPERATED_DESIGN_H_

#include <string>
#include <vector>

#include "design/design.h"
#include "operation/operation_file.h"

namespace tqweir {
namespace operate {

struct OperatedDesign {
  design::Design design;
  bool has_operation = false;      // DIR/operation.csv is there and reads
  operation::OperationFile operation;
  // Why operation.csv was refused (its reader's words), empty when it
  // reads or is missing. Kept, not thrown: a study that does not need the
  // file runs as the command runs, one that needs it refuses it then.
  std::string operation_refusal;
};

// DIR's design as design::read_design reads it (throws its
// text::InputError), and DIR/operation.csv when there.
OperatedDesign read_operated_design(const std::string& dir, const std::vector<std::string>& ranges);

// `design` with the operation.csv its folder gave when the design was read
// (Design::folder): nothing is read again, so a design made from held
// files on another machine is the same gate. A file refused is kept as
// the refusal.
OperatedDesign operated(const design::Design& design);

// The design's operation.csv. Throws text::InputError with its reader's
// refusal, or "DIR/operation.csv is missing: " + `missing` when the folder
// has none.
const operation::OperationFile& operation_file(const OperatedDesign& design, const char* missing);

}  // namespace operate
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_OPERATION_OPERATED_DESIGN_H_
