// The printout of tqweir-operate.
#include <cmath>
#include <cstdio>

#include "core/constants.h"
#include "text/number_text.h"
#include "studies/operation/operate_findings.h"
#include "studies/operation/operate_output.h"

namespace tqweir {
namespace operate {
namespace {

using operation::Direction;
using operation::GateOperation;
using operation::PathState;
using text::fixed_text;

std::string level_text(const GateOperation& op) {
  return fixed_text(op.path.input.parameter.upstream_level, 3) + " m";
}

std::string angle_text(const PathState& s) { return fixed_text(s.theta1_deg, 1) + " degrees"; }

// The time at which the leaf leaves (lowering) or reaches (raising) the
// raised angle: the last state of the stopper stage.
void print_stopper(const GateOperation& op, std::ostream& out) {
  const std::optional<std::size_t> k = stopper_state(op);
  if (!k) return;
  if (op.direction == Direction::lower) {
    out << "  the stopper goes slack at " << duration_text(op.timeline.seconds[*k]) << ", from "
        << fixed_text(op.path.input.parameter.stopper_tension, 3) << " kN\n";
  } else {
    out << "  the leaf reaches the raised angle and the stopper begins to pull at "
        << duration_text(op.timeline.seconds[*k]) << "\n";
  }
}

void print_choked(const GateOperation& op, std::ostream& out) {
  const auto intervals = choked_intervals(op);
  const double threshold_kpa = (choked_above_pa() - kAtmosphericPressure) / 1000.0;
  const std::string where = " (the bag above " + fixed_text(threshold_kpa, 1) + " kPa gauge)";
  if (intervals.empty()) {
    out << "  the flow is never choked (the bag stays at or below " << fixed_text(threshold_kpa, 1)
        << " kPa gauge, above which it chokes)\n";
    return;
  }
  const double end = op.timeline.total;
  if (intervals.size() == 1 && intervals[0].first == 0.0) {
    out << "  the flow is choked " << (intervals[0].second == end ? std::string("throughout")
                                                                  : "until " + duration_text(intervals[0].second))
        << where << "\n";
    return;
  }
  out << "  the flow is choked";
  for (std::size_t k = 0; k < intervals.size(); ++k) {
    out << (k == 0 ? " from " : ", from ") << duration_text(intervals[k].first) << " to "
        << duration_text(intervals[k].second);
  }
  out << where << "\n";
}

void print_folds(const GateOperation& op, std::ostream& out) {
  const char* verb = op.direction == Direction::lower ? "falls" : "rises";
  const std::vector<double> times = fold_times(op);
  for (std::size_t i = 0; i < times.size(); ++i) {
    const operation::Fold& f = op.followed.folds[i];
    out << "  fold: at " << level_text(op) << " the leaf " << verb << " from "
        << fixed_text(f.from.theta1_deg, 1) << " to " << fixed_text(f.to.theta1_deg, 1)
        << " degrees at once" << (f.to_end ? " (the end of the path)" : "") << ", at "
        << duration_text(times[i]) << " (air " << fixed_text(f.from.air, 3) << " m3/m)\n";
  }
}

bool print_end(const GateOperation& op, const operation::OperationFile& file, std::ostream& out) {
  if (op.blocked) {
    const operation::BlowerCurve& curve = file.blower_curve;
    out << "  the blower cannot raise the leaf past " << angle_text(op.blocked_at) << " at "
        << level_text(op) << " (it needs " << fixed_text(op.needed_kpa, 0) << " kPa; the curve "
        << (operation::shuts_off(curve) ? "delivers nothing from " : "ends at ")
        << text::exact_text(operation::limit_kpa(curve)) << ")\n";
    return false;
  }
  if (op.timeline.limit.reached) {
    out << "  the bag is at atmospheric pressure at " << angle_text(op.followed.states[op.timeline.limit.state].state)
        << ": no more air leaves\n";
    return false;
  }
  const PathState& last = op.followed.states[op.timeline.seconds.size() - 1].state;
  if (op.path.stopped && op.direction == Direction::lower) {
    out << "  the model has no state below " << angle_text(last) << " at " << level_text(op)
        << ": the run at " << text::exact_text(op.path.stop.theta1_deg) << " degrees, "
        << text::exact_text(op.path.stop.stopper_tension) << " kN stops \""
        << message_utf8(op.path.stop.result.message) << "\"\n";
    return false;
  }
  out << "  " << (op.direction == Direction::lower ? "lowered to " : "raised to ") << angle_text(last)
      << ", stopper " << fixed_text(last.stopper_tension, 3) << " kN: air " << fixed_text(last.air, 3)
      << " m3/m, bag " << fixed_text(operation::gauge_kpa(last), 1) << " kPa\n";
  if (op.path.stopped) {
    out << "  (from the lowest state the model has: below it the run stops \""
        << message_utf8(op.path.stop.result.message) << "\")\n";
  }
  return true;
}

// A relative change in per cent, in two significant digits.
std::string percent_text(double change, double of) {
  const double share = of > 0.0 ? change / of * 100.0 : 0.0;
  char shown[32];
  std::snprintf(shown, sizeof shown, "%.2g", share == 0.0 ? 0.0 : share);
  return shown;
}

// The path's states and solves, and the time over every second state with
// the stretches' changes as the measure of the time's accuracy; false,
// saying so, when two refinements did not come within the tolerance.
bool print_accuracy(const GateOperation& op, std::ostream& out) {
  const operation::Timeline& t = op.timeline;
  const double signed_change = t.total_coarse - t.total;
  out << "  path: " << op.followed.states.size() << " states";
  if (t.states_between > 0) out << " (and " << t.states_between << " between them for the time)";
  out << ", " << op.solves << " solves; over every second state the time is "
      << fixed_text(t.total_coarse, 1) << " s (" << (signed_change < 0.0 ? "" : "+")
      << percent_text(signed_change, t.total) << " %; the stretches' changes add up to "
      << percent_text(t.change, t.total) << " %)";
  if (!t.accurate) {
    out << ": the time is not determined to " << percent_text(t.tolerance, 1.0) << " %";
  }
  out << "\n";
  return t.accurate;
}

}  // namespace

std::string duration_text(double seconds) {
  double minutes = std::floor(seconds / 60.0);
  // A rest that rounds to 60.0 s is the next minute ("1 min 0.0 s", never
  // "0 min 60.0 s").
  std::string rest = text::fixed_text(seconds - 60.0 * minutes, 1);
  if (rest == "60.0") {
    minutes += 1.0;
    rest = "0.0";
  }
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "%.0f min %s s (%.1f s)", minutes, rest.c_str(), seconds);
  return buffer;
}

bool print_operation(const GateOperation& op, const operation::OperationFile& file,
                     const Printed& printed, std::ostream& out) {
  const bool lower = op.direction == Direction::lower;
  out << "tqweir-operate: " << (lower ? "lowering " : "raising ") << printed.case_name << " at "
      << level_text(op) << (lower ? " through the exhaust (valve_area " + file.valve_area.text +
                                        " m2, valve_coefficient " + file.valve_coefficient.text + ")"
                                  : std::string(" with the blower"))
      << ": "
      // Towards a blower's limit the delivery falls to nothing and the time
      // to it means little; a stop on the path leaves a time to the last state.
      << (op.blocked ? std::string("not the whole way") : duration_text(op.timeline.total))
      << "\n";
  print_stopper(op, out);
  if (lower) print_choked(op, out);
  print_folds(op, out);
  const bool whole = print_end(op, file, out);
  const bool accurate = print_accuracy(op, out);
  if (!printed.has_within) return whole && accurate;
  const std::optional<double> sized = sized_value(op, file, whole, printed.within_minutes);
  if (sized && !accurate) {
    out << "  sizing: not determined, since the time is not determined to its accuracy\n";
  } else if (!sized) {
    out << "  sizing: none, since the operation does not go the whole way\n";
  } else if (lower) {
    out << "  sizing: to lower within " << text::exact_text(printed.within_minutes)
        << " min the valve_area must be " << text::exact_text(*sized) << " m2 (valve_coefficient "
        << file.valve_coefficient.text << ")\n";
  } else {
    out << "  sizing: to raise within " << text::exact_text(printed.within_minutes)
        << " min the blower must deliver " << text::exact_text(*sized) << " times the curve\n";
  }
  return whole && accurate;
}

void print_no_path(const GateOperation& op, const Printed& printed, std::ostream& out) {
  out << "tqweir-operate: " << printed.case_name << " stops, so there is no path: \""
      << message_utf8(op.path.stop.result.message) << "\"\n";
}

}  // namespace operate
}  // namespace tqweir
