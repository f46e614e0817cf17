#include "speed/solve_outcome.h"

#include <cstring>
#include <type_traits>


namespace tqweir_test {
namespace {

using tqweir::SolvedCase;

bool same_bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// TrialState holds doubles only, so its bytes are its values.
static_assert(std::is_trivially_copyable<tqweir::TrialState>::value, "");
static_assert(sizeof(tqweir::TrialState) % sizeof(double) == 0, "");

std::string bisection_difference(const tqweir::BisectionState& a, const tqweir::BisectionState& b) {
  const double ad[] = {a.alpha_lo, a.alpha_hi, a.bracket_width, a.stopper_base_angle,
                       a.stopper_base_angle_deg};
  const double bd[] = {b.alpha_lo, b.alpha_hi, b.bracket_width, b.stopper_base_angle,
                       b.stopper_base_angle_deg};
  for (std::size_t i = 0; i < sizeof ad / sizeof ad[0]; ++i) {
    if (!same_bits(ad[i], bd[i])) return "bisection value " + std::to_string(i);
  }
  if (a.iterations != b.iterations || a.trials != b.trials) {
    return "bisection counts";
  }
  return "";
}

std::string solved_difference(const SolvedCase& a, const SolvedCase& b) {
  if (a.files.gate != b.files.gate) return "XYGate.csv";
  if (a.files.stopper != b.files.stopper) return "XYStopper.csv";
  if (a.files.balloon != b.files.balloon) return "XYBalloon.csv";
  if (!same_bits(a.files.bag_area, b.files.bag_area)) return "bag area";
  for (int i = 0; i < tqweir::kSummaryFieldCount; ++i) {
    if (!same_bits(a.summary.fields[i], b.summary.fields[i])) {
      return "summary field " + std::to_string(i + 1);
    }
  }
  if (!same_bits(a.summary.air_volume, b.summary.air_volume) ||
      !same_bits(a.summary.pressure_at_temperature, b.summary.pressure_at_temperature) ||
      !same_bits(a.summary.overflow_discharge, b.summary.overflow_discharge)) {
    return "summary derived values";
  }
  if (a.summary.text != b.summary.text) return "TQSpec.csv";
  if (std::memcmp(&a.state.trial, &b.state.trial, sizeof a.state.trial) != 0) return "trial state";
  if (!same_bits(a.state.perimeter, b.state.perimeter)) return "perimeter in use";
  return bisection_difference(a.state.bisection, b.state.bisection);
}

}  // namespace

SolveOutcome solve_with(const tqweir::CaseInput& input, tqweir::Evaluation mode) {
  SolveOutcome out;
  const tqweir::SurfaceSink sink = [&out](const std::string& rows) {
    out.surface_rows.push_back(rows);
  };
  try {
    out.solved = tqweir::solve_case(input, sink, mode);
    out.integrand_evaluations = out.solved.integrand_evaluations;
  } catch (const tqweir::StopRun& stop) {
    out.stopped = true;
    out.message = stop.message();
    out.stop_file = stop.file_name();
  }
  return out;
}

std::string first_difference(const SolveOutcome& a, const SolveOutcome& b) {
  if (a.stopped != b.stopped) return "one stopped, the other did not";
  if (a.message != b.message || a.stop_file != b.stop_file) return "stop message";
  if (a.surface_rows.size() != b.surface_rows.size()) return "number of surface hand-overs";
  for (std::size_t i = 0; i < a.surface_rows.size(); ++i) {
    if (a.surface_rows[i] != b.surface_rows[i]) return "suimen.csv of trial " + std::to_string(i);
  }
  if (a.stopped) return "";
  return solved_difference(a.solved, b.solved);
}

}  // namespace tqweir_test
