#include "tools/operate/operate_command.h"

#include "cases/base_case.h"
#include "core/file_io.h"
#include "design/design.h"
#include "text/input_error.h"
#include "tools/cli/command_line.h"
#include "tools/operate/flood_command.h"
#include "studies/operation/operate_case.h"
#include "tools/operate/parse_operate_options.h"
#include "studies/operation/operate_output.h"

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

void check_output(const OperateOptions& options) {
  if (options.output.empty()) return;
  std::vector<std::string> inputs = cases::base_case_paths(options.dir);
  for (const char* name : {"loadcases.csv", "criteria.csv", "operation.csv"}) {
    inputs.push_back(join_path(options.dir, name));
  }
  if (!options.inflow.empty()) inputs.push_back(options.inflow);
  const std::string refusal = output_refusal(options.output, inputs);
  if (!refusal.empty()) throw InputError(refusal);
}

}  // namespace

int run_operate_command_line(int argc, const char* const* argv, std::ostream& out,
                             std::ostream& err) {
  OperateOptions options;
  operation::GateOperation op;
  operation::OperationFile file;
  Printed printed;
  FloodJob job;
  bool flooding = false;
  try {
    options = parse_operate_options(argc, argv);
    if (cli::answer_help_or_version(options.help, options.version,
                                    std::string(kHelp) + "\n" + kOperateUsage,
                                    std::string("tqweir-operate ") + TQWEIR_VERSION, out)) {
      return 0;
    }
    check_output(options);
    const design::Design design = design::read_design(options.dir, {});
    if (options.mode == Mode::flood || options.mode == Mode::rating) {
      job = prepare_flood_job(options, design);
      flooding = true;
    } else {
      const ChosenCase chosen = choose_case(design, options);
      file = read_operation_file(options.dir);
      op = options.lower ? operation::lower_gate(chosen.input, file)
                         : operation::raise_gate(chosen.input, file);
      printed = {chosen.name, options.has_within, options.within_minutes};
    }
  } catch (const InputError& error) {
    err << "tqweir-operate: " << error.what() << "\n";
    if (options.dir.empty()) err << kOperateUsage;
    return 2;
  }
  if (flooding) return run_flood_job(job, options, out, err);
  if (op.followed.states.empty()) {
    print_no_path(op, printed, out);
    return 1;
  }
  const bool whole = print_operation(op, file, printed, out);
  if (!options.output.empty()) {
    if (!write_file(options.output, operation_table(op))) {
      err << "tqweir-operate: cannot write " << options.output << "\n";
      return 1;
    }
    out << "  table in " << options.output << "\n";
  }
  return whole ? 0 : 1;
}

}  // namespace operate
}  // namespace tqweir
