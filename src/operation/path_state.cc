#include "operation/path_state.h"

#include <cmath>
#include <utility>

#include "core/constants.h"

namespace tqweir {
namespace operation {

const char* regime_name(Regime regime) { return regime == Regime::stopper ? "stopper" : "slack"; }

double unknown_of(const PathState& state) {
  return state.regime == Regime::stopper ? state.stopper_tension : state.theta1_deg;
}

double gauge_kpa(const PathState& state) {
  return (state.p_abs - kAtmosphericPressure) / 1000.0;
}

StateSolver::StateSolver(const CaseInput& input, Regime regime, const Tailwater& tailwater)
    : input_(input), regime_(regime), tailwater_(tailwater) {
  if (regime == Regime::slack) input_.parameter.stopper_tension = 0.0;
}

const PathState& StateSolver::at(double x) {
  const auto found = cache_.find(x);
  if (found != cache_.end()) return found->second;
  PathState s;
  s.regime = regime_;
  CaseInput input = input_;
  if (regime_ == Regime::stopper) {
    input.parameter.stopper_tension = x;
  } else {
    input.parameter.theta1_deg = x;
  }
  s.theta1_deg = input.parameter.theta1_deg;
  s.stopper_tension = input.parameter.stopper_tension;
  s.result = solve_with_tailwater(input, tailwater_, &solves_);
  if (s.result.finished) input_.parameter.hd_nd = input.parameter.hd_nd;
  if (s.result.finished) {
    s.air = s.result.values[static_cast<std::size_t>(summary_index(SummaryId::air_volume))];
    const double area = s.result.values[static_cast<std::size_t>(summary_index(SummaryId::bag_area))];
    // The summary counts the air as (p_gauge + p_atm) / p_atm * area; its
    // inverse gives the pressure the counting holds, so that air and
    // pressure are one record.
    s.p_abs = kAtmosphericPressure * s.air / area;
    // A bag without area holds no pressure to show: no state.
    if (!std::isfinite(s.p_abs)) {
      s.result.finished = false;
      s.result.message = Message::result_not_finite;
    }
  }
  return cache_.emplace(x, std::move(s)).first->second;
}

search::Probe StateSolver::probe(std::function<double(const PathState&)> excess) {
  return [this, excess](double x) {
    const PathState& s = at(x);
    search::Sample sample;
    sample.x = x;
    sample.finished = s.result.finished;
    sample.stop = static_cast<int>(s.result.message);
    if (sample.finished) sample.excess = excess(s);
    return sample;
  };
}

}  // namespace operation
}  // namespace tqweir
