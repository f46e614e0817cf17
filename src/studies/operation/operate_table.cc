// The table of tqweir-operate, in the sweep's columns after its own.
#include "studies/operation/operate_output.h"

#include "text/csv_cells.h"
#include "text/number_text.h"
#include "studies/sweep/result_table.h"

namespace tqweir {
namespace operate {
namespace {

using operation::FollowedState;
using operation::PathState;

sweep::CaseOutcome outcome_of(const PathState& s) {
  sweep::CaseOutcome outcome;
  outcome.ok = s.result.finished;
  outcome.status = message_key(s.result.message);
  outcome.message = message_cp932(s.result.message);
  if (outcome.ok) outcome.summary = s.result.summary;
  return outcome;
}

std::string row(const std::string& time, const PathState& s, const std::string& regime,
                const std::string& flow) {
  const bool held = s.result.finished;
  std::vector<std::string> cells{time,
                                 held ? text::exact_text(s.air) : "",
                                 regime,
                                 text::exact_text(s.theta1_deg),
                                 text::exact_text(s.stopper_tension),
                                 held ? text::exact_text(operation::gauge_kpa(s)) : "",
                                 flow};
  sweep::append_outcome_cells(outcome_of(s), cells);
  return text::csv_line(cells);
}

}  // namespace

std::string operation_table(const operation::GateOperation& op) {
  std::vector<std::string> header{"time_s", "air_m3_per_m", "regime",
                                  sweep::input_column_name(input_field(InputId::theta1_deg)),
                                  sweep::input_column_name(input_field(InputId::stopper_tension)),
                                  "bag_pressure_kpa", "flow_m3_per_min"};
  for (const std::string& column : sweep::outcome_columns()) header.push_back(column);
  std::string text = text::csv_line(header);
  const operation::Timeline& t = op.timeline;
  for (std::size_t k = 0; k < t.seconds.size(); ++k) {
    const FollowedState& f = op.followed.states[k];
    const std::string regime =
        f.mark == operation::Mark::landing ? "fold" : operation::regime_name(f.state.regime);
    // The whole gate's flow of free air, as a valve's or a blower's sheet gives it.
    text += row(text::exact_text(t.seconds[k]), f.state, regime,
                text::exact_text(t.flow[k] * op.span * 60.0));
  }
  if (op.blocked) {
    text += row("", op.blocked_at, "blocked", "0");
  } else if (op.path.stopped && op.direction == operation::Direction::lower) {
    text += row("", op.path.stop, "none", "");
  }
  return text;
}

}  // namespace operate
}  // namespace tqweir
