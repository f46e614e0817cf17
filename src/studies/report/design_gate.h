// The gate of a design for its studies (the operation, the flood, the
// rating), from the files its folder gave when the design was read: nothing
// is read again, so a design made from held files on another machine is
// the same gate with the same flood.
#ifndef TQWEIR_STUDIES_REPORT_DESIGN_GATE_H_
#define TQWEIR_STUDIES_REPORT_DESIGN_GATE_H_

#include "design/design.h"
#include "flood/hydrograph.h"
#include "studies/operation/operated_design.h"

namespace tqweir {
namespace report {

// `design` with the operation.csv of its folder as read with it; a file
// refused is kept as the refusal, as operate::operated keeps it.
operate::OperatedDesign design_gate(const design::Design& design);

// The hydrograph of criteria.csv's flood_inflow as the design read it.
// Throws text::InputError "cannot read PATH" for a file that could not be
// read, and the hydrograph reader's refusal of its rows.
flood::Hydrograph design_inflow(const design::Design& design);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_REPORT_DESIGN_GATE_H_
