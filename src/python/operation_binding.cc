// The lowering and raising from Python: the keywords as the request's
// fields, the study's case, operation.csv, path, printout and table, and
// the findings the printout words as numbers. Only the printing to a
// terminal and the writing of a file are left to the command.
#include <sstream>

#include <pybind11/stl.h>

#include "bindings.h"
#include "core/file_io.h"
#include "operation/blower_curve.h"
#include "operation/gate_operation.h"
#include "studies/operation/operate_case.h"
#include "studies/operation/operate_findings.h"
#include "studies/operation/operate_request.h"
#include "studies/operation/operate_output.h"
#include "text/input_error.h"
#include "text/number_text.h"

namespace py = pybind11;

namespace tqweir {
namespace python {
namespace {

using operation::GateOperation;

// The load case named `name` (none: the base case), refused in Python's
// words as the command refuses its --case.
operate::ChosenCase chosen_case(const design::Design& design, const std::optional<std::string>& name) {
  if (!name) return {design::kBaseCaseName, design.base.input};
  if (const std::optional<operate::ChosenCase> chosen = operate::load_case(design, *name)) return *chosen;
  throw text::InputError("case=" + py::repr(py::str(*name)).cast<std::string>() +
                         ": no such load case in " + join_path(design.dir, "loadcases.csv"));
}

// `within` (minutes) checked as the command checks --within.
void check_within(double within) {
  if (within >= operate::kLeastWithinMinutes && within <= operate::kMostWithinMinutes) return;
  throw text::InputError("within=" + py::repr(py::float_(within)).cast<std::string>() +
                         ": give a number of minutes from " +
                         text::exact_text(operate::kLeastWithinMinutes) + " to " +
                         text::exact_text(operate::kMostWithinMinutes));
}

py::object seconds_or_none(const std::optional<std::size_t>& k, const GateOperation& op) {
  return k ? py::cast(op.timeline.seconds[*k]) : py::none();
}

py::list folds(const GateOperation& op) {
  const std::vector<double> times = operate::fold_times(op);
  py::list rows;
  for (std::size_t i = 0; i < times.size(); ++i) {
    const operation::Fold& f = op.followed.folds[i];
    py::dict row;
    row["time_s"] = times[i];
    row["from_deg"] = f.from.theta1_deg;
    row["to_deg"] = f.to.theta1_deg;
    row["air_m3_per_m"] = f.from.air;
    row["to_end"] = f.to_end;
    rows.append(row);
  }
  return rows;
}

py::object blower_limit(const GateOperation& op, const operation::OperationFile& file) {
  if (!op.blocked) return py::none();
  py::dict limit;
  limit["angle_deg"] = op.blocked_at.theta1_deg;
  limit["stopper_tension_kn"] = op.blocked_at.stopper_tension;
  limit["needed_kpa"] = op.needed_kpa;
  limit["limit_kpa"] = operation::limit_kpa(file.blower_curve);
  limit["shuts_off"] = operation::shuts_off(file.blower_curve);
  return limit;
}

py::object path_stop(const GateOperation& op) {
  if (!op.path.stopped) return py::none();
  py::dict stop;
  stop["theta1_deg"] = op.path.stop.theta1_deg;
  stop["stopper_tension_kn"] = op.path.stop.stopper_tension;
  stop["status"] = message_key(op.path.stop.result.message);
  stop["message"] = message_utf8(op.path.stop.result.message);
  return stop;
}

}  // namespace

py::dict operate_design(const operate::OperatedDesign& design, bool lower,
                        const std::optional<std::string>& case_name, const std::optional<double>& within) {
  if (within) check_within(*within);
  const operate::ChosenCase chosen = chosen_case(design.design, case_name);
  const operation::OperationFile& file = operate::gate_operation_file(design);
  GateOperation op;
  {
    py::gil_scoped_release unlocked;
    op = lower ? operation::lower_gate(chosen.input, file) : operation::raise_gate(chosen.input, file);
  }
  const operate::Printed printed{chosen.name, within.has_value(), within.value_or(0.0)};
  std::ostringstream printout;
  py::dict out;
  out["case"] = chosen.name;
  out["direction"] = lower ? "lower" : "raise";
  out["stop"] = path_stop(op);
  if (op.followed.states.empty()) {
    operate::print_no_path(op, printed, printout);
    out["status"] = 1;
    out["printout"] = printout.str();
    return out;
  }
  const bool whole = operate::print_operation(op, file, printed, printout);
  out["status"] = whole ? 0 : 1;
  out["whole"] = whole;
  out["printout"] = printout.str();
  out["table"] = py::bytes(operate::operation_table(op));
  out["time"] = op.blocked ? py::none() : py::cast(op.timeline.total);
  out["stopper_time"] = seconds_or_none(operate::stopper_state(op), op);
  out["choked"] = lower ? py::cast(operate::choked_intervals(op)) : py::none();
  out["folds"] = folds(op);
  out["blower_limit"] = blower_limit(op, file);
  const std::optional<double> sized =
      within ? operate::sized_value(op, file, whole, *within) : std::nullopt;
  out["sizing"] = sized ? py::cast(*sized) : py::none();
  return out;
}

}  // namespace python
}  // namespace tqweir
