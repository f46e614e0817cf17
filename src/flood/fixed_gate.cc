#include "flood/fixed_gate.h"

#include "core/messages.h"
#include "flood/number_cell.h"
#include "search/case_probe.h"

namespace tqweir {
namespace flood {

FixedGate::FixedGate(const CaseInput& base, double theta1_deg, double spacing, int max_knots)
    : TableGate(spacing, base.syogen.span, max_knots),
      base_(search::with_value(base, input_field(InputId::theta1_deg), theta1_deg)) {}

Knot FixedGate::solve_knot(double level, const Knot*) {
  const InputField& upstream = input_field(InputId::upstream_level);
  const search::CaseResult r = search::solve_unrounded(search::with_value(base_, upstream, level));
  Knot k;
  k.level = level;
  k.solves = 1;
  k.held = r.finished;
  if (!r.finished) {
    k.reason = "the leaf held at " + shown_number(base_.parameter.theta1_deg) +
               " degrees stops";
    k.stop = r.message;
    return k;
  }
  k.state.level = level;
  k.state.regime = GateRegime::fixed;
  k.state.theta1_deg = base_.parameter.theta1_deg;
  k.state.stopper_tension = base_.parameter.stopper_tension;
  k.state.values = r.values;
  k.state.outflow =
      r.values[static_cast<std::size_t>(summary_index(SummaryId::overflow_discharge))] *
      base_.syogen.span;
  return k;
}

}  // namespace flood
}  // namespace tqweir
