#include "studies/operation/operate_findings.h"

#include "core/constants.h"
#include "operation/orifice_flow.h"

namespace tqweir {
namespace operate {

using operation::Direction;
using operation::GateOperation;
using operation::Regime;

std::optional<std::size_t> stopper_state(const GateOperation& op) {
  const auto& states = op.followed.states;
  auto stopper = [&states](std::size_t k) { return states[k].state.regime == Regime::stopper; };
  for (std::size_t k = 0; k < op.timeline.seconds.size(); ++k) {
    if (!stopper(k)) continue;
    const bool last = k + 1 == states.size() || !stopper(k + 1);
    const bool first = k == 0 || !stopper(k - 1);
    if (op.direction == Direction::lower ? last : first) return k;
  }
  return std::nullopt;
}

double choked_above_pa() { return kAtmosphericPressure / operation::critical_pressure_ratio(); }

std::vector<std::pair<double, double>> choked_intervals(const GateOperation& op) {
  return operation::intervals_above(op.followed, op.timeline, choked_above_pa());
}

std::vector<double> fold_times(const GateOperation& op) {
  std::vector<double> times;
  for (std::size_t k = 0; k < op.timeline.seconds.size(); ++k) {
    if (op.followed.states[k].mark != operation::Mark::fold_start) continue;
    times.push_back(op.timeline.seconds[k]);
  }
  return times;
}

std::optional<double> sized_value(const GateOperation& op, const operation::OperationFile& file,
                                  bool whole, double within_minutes) {
  if (!whole || !(op.timeline.total > 0.0)) return std::nullopt;
  const double factor = op.timeline.total / (60.0 * within_minutes);
  if (op.direction == Direction::lower) return file.valve_area.value * factor;
  return factor;
}

}  // namespace operate
}  // namespace tqweir
