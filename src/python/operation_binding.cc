// The lowering and raising from Python: the keywords as the request's
// fields, the study's case, operation.csv, path, printout and table, and
// the findings the printout words as numbers. Only the printing to a
// terminal and the writing of a file are left to the command.
#include <sstream>

#include <pybind11/stl.h>

#include "bindings.h"
#include "operation/blower_curve.h"
#include "operation/gate_operation.h"
#include "studies/operation/operate_case.h"
#include "studies/operation/operate_findings.h"
#include "studies/operation/operate_request.h"
#include "studies/operation/operate_output.h"
#include "text/input_error.h"

namespace py = pybind11;

namespace tqweir {
namespace python {
namespace {

using operation::GateOperation;

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
  operate::OperateRequest request;
  request.lower = lower;
  request.case_name = case_name;
  request.within_minutes = within;
  operate::OperatedCase operated;
  try {
    py::gil_scoped_release unlocked;
    operated = operate::operate_case(design, request);
  } catch (const operate::OperateRefusal& refusal) {
    // The keyword and its value as Python shows them, the study's reason.
    const std::string given = refusal.which() == operate::OperateInput::within
                                  ? "within=" + py::repr(py::float_(*within)).cast<std::string>()
                                  : "case=" + py::repr(py::str(*case_name)).cast<std::string>();
    throw text::InputError(given + ": " + refusal.what());
  }
  const GateOperation& op = operated.op;
  const operation::OperationFile& file = operated.file;
  const operate::Printed& printed = operated.printed;
  std::ostringstream printout;
  py::dict out;
  out["case"] = operated.chosen.name;
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
