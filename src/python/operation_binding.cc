// tqweir-operate from Python: the command's options, case, operation.csv,
// path, printout and table, and the findings the printout words as
// numbers. Only the printing to a terminal and the writing of a file are
// left to the command.
#include <sstream>

#include <pybind11/stl.h>

#include "bindings.h"
#include "operation/blower_curve.h"
#include "operation/gate_operation.h"
#include "studies/operation/operate_case.h"
#include "studies/operation/operate_findings.h"
#include "tools/operate/parse_operate_options.h"
#include "studies/operation/operate_output.h"

namespace py = pybind11;

namespace tqweir {
namespace python {
namespace {

using operation::GateOperation;

// The options as the command parses its arguments, so that every check
// and message is the command's.
operate::OperateOptions parse(const std::string& dir, const std::vector<std::string>& args) {
  std::vector<const char*> argv{"tqweir-operate", dir.c_str()};
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  return operate::parse_operate_options(static_cast<int>(argv.size()), argv.data());
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

py::dict operate_design(const design::Design& design, const std::vector<std::string>& args) {
  const operate::OperateOptions options = parse(design.dir, args);
  const operate::ChosenCase chosen = operate::choose_case(design, options);
  const operation::OperationFile file = operate::read_operation_file(options.dir);
  GateOperation op;
  {
    py::gil_scoped_release unlocked;
    op = options.lower ? operation::lower_gate(chosen.input, file)
                       : operation::raise_gate(chosen.input, file);
  }
  const operate::Printed printed{chosen.name, options.has_within, options.within_minutes};
  std::ostringstream printout;
  py::dict out;
  out["case"] = chosen.name;
  out["direction"] = options.lower ? "lower" : "raise";
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
  out["choked"] = options.lower ? py::cast(operate::choked_intervals(op)) : py::none();
  out["folds"] = folds(op);
  out["blower_limit"] = blower_limit(op, file);
  const std::optional<double> sized =
      options.has_within ? operate::sized_value(op, file, whole, options.within_minutes) : std::nullopt;
  out["sizing"] = sized ? py::cast(*sized) : py::none();
  return out;
}

}  // namespace python
}  // namespace tqweir
