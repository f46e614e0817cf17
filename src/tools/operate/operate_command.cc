#include "tools/operate/operate_command.h"

#include "cases/base_case.h"
#include "core/file_io.h"
#include "design/design.h"
#include "text/input_error.h"
#include "tools/cli/command_line.h"
#include "tools/operate/flood_command.h"
#include "studies/flood/flood_job.h"
#include "studies/operation/operate_case.h"
#include "studies/operation/operate_output.h"
#include "studies/operation/operated_design.h"
#include "tools/operate/parse_operate_options.h"

#ifndef TQWEIR_VERSION
#define TQWEIR_VERSION "unknown"
#endif

namespace tqweir {
namespace operate {
namespace {

using text::InputError;

const char kHelp[] =
    "tqweir-operate: the leaf of a design lowered through its exhaust valve or\n"
    "raised with its blower, at one upstream level\n"
    "\n"
    "DESIGN_DIR holds the base case's three files, operation.csv (valve_area m2,\n"
    "valve_coefficient, blower_curve \"kPa:m3/min ...\", lowered_angle degree) and\n"
    "optionally loadcases.csv and criteria.csv as tqweir-report reads them.\n"
    "--case NAME takes that load case (default: the base case). The path is\n"
    "quasi-static: the stopper slackens at the raised angle, then the leaf goes\n"
    "down to lowered_angle; a fold where the leaf falls at once is reported.\n"
    "  --within MINUTES  the valve area (or the blower's scale) for that time\n"
    "  -o TABLE.csv      the path with its times, as a table\n"
    "--flood INFLOW.csv routes a hydrograph (hours, m3/s) through the pond of\n"
    "operation.csv (storage_curve or pond_area, other_outflow) with the rule\n"
    "lower_at_level, raise_at_level, backup_lower_at_level; --power-failure: the\n"
    "float valve only; operation.csv's gates makes a weir of several gates,\n"
    "--failed G,H,... fails those gates' valves and --fail-count K gives the\n"
    "highest peak level with 0 to K gates failed. --rating FROM:TO:STEP gives\n"
    "the discharge against the upstream level for the leaf held at --angles\n"
    "(default the base case's) and for the sealed bag.\n"
    "Exit status: 0 the whole way (--flood: routed to the hydrograph's end), 1 not\n"
    "the whole way, the route stopped or a file not written, 2 bad command line\n"
    "or input.\n";

void check_output(const OperateCommand& command) {
  if (command.output.empty()) return;
  std::vector<std::string> inputs = cases::base_case_paths(command.dir);
  for (const char* name : {"loadcases.csv", "criteria.csv", "operation.csv"}) {
    inputs.push_back(join_path(command.dir, name));
  }
  if (!command.inflow.empty()) inputs.push_back(command.inflow);
  const std::string refusal = output_refusal(command.output, inputs);
  if (!refusal.empty()) throw InputError(refusal);
}

// The study's refusal of --case in the command's words (the parser has
// refused --within already, in the words it was given).
OperatedCase operated_case(const OperatedDesign& design, const OperateCommand& command) {
  try {
    return operate_case(design, command.operation);
  } catch (const OperateRefusal& refusal) {
    const std::string given = refusal.which() == OperateInput::load_case
                                  ? "--case " + command.operation.case_name.value_or("")
                                  : "--within";
    throw InputError(given + ": " + refusal.what());
  }
}

int print_operated_case(const OperatedCase& operated, const OperateCommand& command, std::ostream& out,
                        std::ostream& err) {
  const operation::GateOperation& op = operated.op;
  if (op.followed.states.empty()) {
    print_no_path(op, operated.printed, out);
    return 1;
  }
  const bool whole = print_operation(op, operated.file, operated.printed, out);
  if (!command.output.empty()) {
    if (!write_file(command.output, operation_table(op))) {
      err << "tqweir-operate: cannot write " << command.output << "\n";
      return 1;
    }
    out << "  table in " << command.output << "\n";
  }
  return whole ? 0 : 1;
}

}  // namespace

int run_operate_command_line(int argc, const char* const* argv, std::ostream& out,
                             std::ostream& err) {
  OperateCommand command;
  OperatedCase operated_gate;
  FloodJob job;
  try {
    command = parse_operate_options(argc, argv);
    if (cli::answer_help_or_version(command.help, command.version,
                                    std::string(kHelp) + "\n" + kOperateUsage,
                                    std::string("tqweir-operate ") + TQWEIR_VERSION, out)) {
      return 0;
    }
    check_output(command);
    const OperatedDesign design = operated(design::read_design(command.dir, {}));
    if (command.mode == Mode::rating) {
      job = rating_job(design, command.rating);
    } else if (command.mode == Mode::flood) {
      command.flood.inflow = read_inflow(command.inflow);
      job = flood_job_of(design, command.flood);
    } else {
      operated_gate = operated_case(design, command);
    }
  } catch (const InputError& error) {
    err << "tqweir-operate: " << error.what() << "\n";
    if (command.dir.empty()) err << kOperateUsage;
    return 2;
  }
  if (command.mode == Mode::rating) return run_rating(job, command, out, err);
  if (command.mode == Mode::flood) return run_flood(job, command, out, err);
  return print_operated_case(operated_gate, command, out, err);
}

}  // namespace operate
}  // namespace tqweir
