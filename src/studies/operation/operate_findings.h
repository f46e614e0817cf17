// What tqweir-operate finds of a lowering or a raising, as numbers: the
// printout words them, the Python module hands them on.
#ifndef TQWEIR_STUDIES_OPERATION_OPERATE_FINDINGS_H_
#define TQWEIR_STUDIES_OPERATION_OPERATE_FINDINGS_H_

#include <optional>
#include <utility>
#include <vector>

#include "operation/gate_operation.h"

namespace tqweir {
namespace operate {

// The followed state with a time at which the stopper goes slack
// (lowering: the last state of the stopper stage) or begins to pull
// (raising: its first); none when no such state has a time.
std::optional<std::size_t> stopper_state(const operation::GateOperation& op);

// The absolute bag pressure (Pa) above which the exhaust's flow is choked:
// p_atm over the critical pressure ratio.
double choked_above_pa();

// The stretches [from, to] (s) over which the exhaust's flow is choked.
std::vector<std::pair<double, double>> choked_intervals(const operation::GateOperation& op);

// The time (s) at which each fold of op.followed.folds begins, in order.
std::vector<double> fold_times(const operation::GateOperation& op);

// What makes the operation take `within_minutes`: lowering the valve_area
// (m^2, at the file's valve_coefficient), raising the factor on the
// blower's delivery. The time is the path's integral divided by the
// scale, so the scale follows from one path. None when the operation does
// not go the whole way (`whole`) or takes no time.
std::optional<double> sized_value(const operation::GateOperation& op,
                                  const operation::OperationFile& file, bool whole,
                                  double within_minutes);

}  // namespace operate
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_OPERATION_OPERATE_FINDINGS_H_
