#include "studies/seek/sealed_curve.h"

#include <chrono>
#include <cstdio>

#include "core/file_io.h"
#include "text/csv_cells.h"
#include "text/input_error.h"
#include "text/number_text.h"
#include "cases/range_spec.h"
#include "design/criteria.h"
#include "search/sealed_bag.h"
#include "studies/sweep/result_table.h"

namespace tqweir {
namespace seek {
namespace {

const InputField& tension_field() { return input_field(InputId::stopper_tension); }
const InputField& angle_field() { return input_field(InputId::theta1_deg); }

// A state as a row of the sweep's outcome columns: a state found is the
// run that holds the air; a level without one says why.
sweep::CaseOutcome outcome_of(const search::SealedState& state) {
  sweep::CaseOutcome outcome;
  if (state.held) {
    outcome.ok = true;
    outcome.status = message_key(Message::finished);
    outcome.message = message_cp932(Message::finished);
    outcome.summary = state.result.summary;
    return outcome;
  }
  outcome.status = state.stop == Message::finished ? "no_state" : message_key(state.stop);
  outcome.message = state.reason;
  if (state.stop != Message::finished) outcome.message += ": " + message_cp932(state.stop);
  return outcome;
}

}  // namespace

std::string sealed_table(const SealedResult& result) {
  const InputField& load = *result.load;
  const std::vector<search::SealedState>& states = result.curve.states;
  std::vector<std::string> header{"case", sweep::input_column_name(load), "regime",
                                  sweep::input_column_name(angle_field()),
                                  sweep::input_column_name(tension_field())};
  for (const std::string& column : sweep::outcome_columns()) header.push_back(column);
  std::string text = text::csv_line(header);
  for (std::size_t i = 0; i < states.size(); ++i) {
    const search::SealedState& s = states[i];
    std::vector<std::string> cells{std::to_string(i + 1), result.levels[i], s.regime,
                                   s.held ? text::exact_text(s.theta1_deg) : "",
                                   s.held ? text::exact_text(s.stopper_tension) : ""};
    sweep::append_outcome_cells(outcome_of(s), cells);
    text += text::csv_line(cells);
  }
  return text;
}

std::string counted(std::size_t n, const std::string& one, const std::string& many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

SealedRequest sealed_request(const std::string& dir, const std::string& levels) {
  cases::RangeSpec range;
  try {
    range = cases::parse_range(levels);
  } catch (const text::InputError& e) {
    throw SeekRefusal(SeekInput::levels, cases::range_reason(e.what(), levels));
  }
  return {dir, range.field->name, range.texts};
}

SealedPlan plan_sealed(const SealedRequest& request) {
  SealedPlan plan = plan_sealed(request, cases::BaseCase());
  plan.base = cases::read_base_case(request.dir);
  return plan;
}

SealedPlan plan_sealed(const SealedRequest& request, const cases::BaseCase& base) {
  SealedPlan plan;
  plan.load = find_input_field(request.load);
  if (plan.load == nullptr) {
    throw SeekRefusal(SeekInput::load, "unknown input field (fields: " + input_field_list() + ")");
  }
  if (request.levels.size() > design::kMaxSealedLevels) {
    throw SeekRefusal(SeekInput::levels, std::to_string(request.levels.size()) + " values, at most " +
                                             std::to_string(design::kMaxSealedLevels));
  }
  const InputField& load = *plan.load;
  if (&load == &tension_field() || &load == &angle_field() || is_integer_field(load)) {
    throw SeekRefusal(SeekInput::load, "the load must be a real field other than the unknowns "
                                       "theta1_deg and stopper_tension");
  }
  plan.levels = request.levels;
  plan.base = base;
  return plan;
}

SealedResult sealed_study(const SealedPlan& plan) {
  SealedResult result;
  result.load = plan.load;
  result.levels = plan.levels;
  const auto start = std::chrono::steady_clock::now();
  result.curve = search::sealed_curve(plan.base.input, *plan.load, cases::range_values(*plan.load, plan.levels));
  if (!result.curve.base.finished) {
    throw text::InputError("the base case stops, so it puts no air in the bag: " +
                            message_utf8(result.curve.base.message));
  }
  for (const search::SealedState& s : result.curve.states) {
    ++(s.regime == "stopper" ? result.stopper : s.regime == "slack" ? result.slack : result.none);
  }
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return result;
}

std::string sealed_summary(const SealedResult& result, const std::string& output) {
  char time[32];
  std::snprintf(time, sizeof time, "%.2f s", result.seconds);
  return "tqweir-seek: sealed air " + text::exact_text(result.curve.air_volume) +
         " m3/m (at atmospheric pressure, from the base case); " +
         counted(result.curve.states.size(), "value", "values") + " of " + result.load->name + ": " +
         std::to_string(result.stopper) + " stopper, " + std::to_string(result.slack) + " slack, " +
         std::to_string(result.none) + " without a state; " + std::to_string(result.curve.solves) +
         " solves in " + time + "; table in " + output + "\n";
}

}  // namespace seek
}  // namespace tqweir
