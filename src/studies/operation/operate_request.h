// What is asked of a gate's operation: a load case's leaf lowered through
// the exhaust valve or raised with the blower, as typed values with the
// command's defaults.
#ifndef TQWEIR_STUDIES_OPERATION_OPERATE_REQUEST_H_
#define TQWEIR_STUDIES_OPERATION_OPERATE_REQUEST_H_

#include <optional>
#include <string>

#include "studies/study_refusal.h"

namespace tqweir {
namespace operate {

// The times `within` takes (min). The sizing scales the path's time: a
// time far outside these would ask for a valve or a blower beyond any
// that exists (a valve_area of 1e-300 m2), and at the extremes for a
// number a double cannot hold (0, or an infinite factor). The quasi-static
// path already assumes an operation slower than the leaf's own swing,
// which settles within seconds.
constexpr double kLeastWithinMinutes = 0.01;
constexpr double kMostWithinMinutes = 1e6;

struct OperateRequest {
  bool lower = true;                       // false: raised from lowered_angle
  std::optional<std::string> case_name;    // a load case of loadcases.csv; none: the base case
  std::optional<double> within_minutes;    // the valve (or the blower's scale) for this time
};

// The inputs of an OperateRequest a refusal can name.
enum class OperateInput { load_case, within };

using OperateRefusal = StudyRefusal<OperateInput>;

// Throws OperateRefusal (OperateInput::within) unless `minutes` lies from
// kLeastWithinMinutes to kMostWithinMinutes.
void check_within(double minutes);

}  // namespace operate
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_OPERATION_OPERATE_REQUEST_H_
