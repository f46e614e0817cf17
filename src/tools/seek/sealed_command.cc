// tqweir-seek --sealed: the operating curve of the sealed bag as a table.
#include <chrono>
#include <cstdio>

#include "core/file_io.h"
#include "cases/base_case.h"
#include "text/csv_cells.h"
#include "text/input_error.h"
#include "text/number_text.h"
#include "cases/range_spec.h"
#include "design/criteria.h"
#include "search/sealed_bag.h"
#include "tools/seek/seek_command.h"
#include "tools/seek/seek_print.h"
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

std::string sealed_table(const InputField& load, const cases::RangeSpec& range,
                         const std::vector<search::SealedState>& states) {
  std::vector<std::string> header{"case", sweep::input_column_name(load), "regime",
                                  sweep::input_column_name(angle_field()),
                                  sweep::input_column_name(tension_field())};
  for (const std::string& column : sweep::outcome_columns()) header.push_back(column);
  std::string text = text::csv_line(header);
  for (std::size_t i = 0; i < states.size(); ++i) {
    const search::SealedState& s = states[i];
    std::vector<std::string> cells{std::to_string(i + 1), range.texts[i], s.regime,
                                   s.held ? text::exact_text(s.theta1_deg) : "",
                                   s.held ? text::exact_text(s.stopper_tension) : ""};
    sweep::append_outcome_cells(outcome_of(s), cells);
    text += text::csv_line(cells);
  }
  return text;
}

// The levels of --sealed as the sweep's --range reads them, the refusal
// naming --sealed, and at most as many as a report's sealed_range.
cases::RangeSpec sealed_range(const std::string& arg) {
  cases::RangeSpec range;
  try {
    range = cases::parse_range(arg);
  } catch (const text::InputError& e) {
    std::string why = e.what();
    const std::string prefix = "--range";
    if (why.compare(0, prefix.size(), prefix) == 0) why = "--sealed" + why.substr(prefix.size());
    throw text::InputError(why);
  }
  if (range.texts.size() > design::kMaxSealedLevels) {
    throw text::InputError("--sealed " + arg + ": " + std::to_string(range.texts.size()) +
                           " values, at most " + std::to_string(design::kMaxSealedLevels));
  }
  return range;
}

}  // namespace

int run_sealed(const SeekOptions& options, std::ostream& out, std::ostream& err) {
  const cases::RangeSpec range = sealed_range(options.sealed);
  const InputField& load = *range.field;
  if (&load == &tension_field() || &load == &angle_field() || is_integer_field(load)) {
    throw text::InputError(std::string("--sealed ") + load.name +
                            ": the load must be a real field other than the unknowns "
                            "theta1_deg and stopper_tension");
  }
  const cases::BaseCase base = cases::read_base_case(options.dir);
  const std::string output = options.output.empty() ? "sealed.csv" : options.output;
  const std::string refusal = output_refusal(output, cases::base_case_paths(options.dir));
  if (!refusal.empty()) throw text::InputError(refusal);
  const auto start = std::chrono::steady_clock::now();
  const search::SealedCurve curve = search::sealed_curve(base.input, load, cases::range_values(load, range.texts));
  if (!curve.base.finished) {
    throw text::InputError("the base case stops, so it puts no air in the bag: " +
                            message_utf8(curve.base.message));
  }
  const std::vector<search::SealedState>& states = curve.states;
  const double air_volume = curve.air_volume;
  const int solves = curve.solves;
  int counts[3] = {0, 0, 0};
  for (const search::SealedState& s : states) {
    ++counts[s.regime == "stopper" ? 0 : s.regime == "slack" ? 1 : 2];
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!write_file(output, sealed_table(load, range, states))) {
    err << "tqweir-seek: cannot write " << output << "\n";
    return 1;
  }
  char time[32];
  std::snprintf(time, sizeof time, "%.2f s", seconds);
  out << "tqweir-seek: sealed air " << text::exact_text(air_volume) << " m3/m (at atmospheric "
      << "pressure, from the base case); " << counted(states.size(), "value", "values") << " of " << load.name << ": "
      << counts[0] << " stopper, " << counts[1] << " slack, " << counts[2] << " without a state; "
      << solves << " solves in " << time << "; table in " << output << "\n";
  return 0;
}

}  // namespace seek
}  // namespace tqweir
