#include "flood/sealed_gate.h"

#include "core/messages.h"
#include "flood/number_cell.h"
#include "flood/route_stop.h"
#include "text/input_error.h"

namespace tqweir {
namespace flood {

SealedGate::SealedGate(const CaseInput& base, double spacing, int max_knots,
                       const search::SealedSettings& settings)
    : TableGate(spacing, base.syogen.span, max_knots), base_(base), settings_(settings) {
  const search::CaseResult r = search::sealed_base(base);
  if (!r.finished) {
    throw text::InputError("the base case stops, so it puts no air in the bag: " +
                            message_utf8(r.message));
  }
  air_ = r.values[static_cast<std::size_t>(summary_index(SummaryId::air_volume))];
}

void SealedGate::check_air(double air) const {
  if (air != air_) {
    throw RouteStop("the sealed gate holds " + shown_number(air_) + " m3/m of air, not " +
                    shown_number(air));
  }
}

Knot SealedGate::solve_knot(double level, const Knot* near) {
  const search::SealedState* hint = nullptr;
  if (near != nullptr) {
    const auto found = hints_.find(near->level);
    if (found != hints_.end()) hint = &found->second;
  }
  const search::SealedState s = search::sealed_state(
      base_, input_field(InputId::upstream_level), level, air_, settings_, hint);
  Knot k;
  k.level = level;
  k.solves = s.solves;
  k.held = s.held;
  if (!s.held) {
    k.reason = s.reason;
    k.stop = s.stop;
    return k;
  }
  hints_[level] = s;
  k.state.level = level;
  k.state.regime = regime_named(s.regime);
  k.state.theta1_deg = s.theta1_deg;
  k.state.stopper_tension = s.stopper_tension;
  k.state.values = s.result.values;
  k.state.outflow =
      s.result.values[static_cast<std::size_t>(summary_index(SummaryId::overflow_discharge))] *
      base_.syogen.span;
  return k;
}

}  // namespace flood
}  // namespace tqweir
