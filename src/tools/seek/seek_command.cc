#include "tools/seek/seek_command.h"

#include <cmath>
#include <filesystem>

#include "core/file_io.h"
#include "driver/memory_run.h"
#include "cases/base_case.h"
#include "cases/case_files.h"
#include "tools/cli/command_line.h"
#include "text/input_error.h"
#include "text/number_text.h"
#include "text/run_results.h"
#include "tools/seek/seek_print.h"
#include "studies/seek/found_case.h"
#include "studies/seek/sealed_curve.h"

#ifndef TQWEIR_VERSION
#define TQWEIR_VERSION "unknown"
#endif

namespace tqweir {
namespace seek {
namespace {

using text::InputError;

const char kHelp[] =
    "tqweir-seek: solve for one input of a tqweir case\n"
    "\n"
    "--vary FIELD=LO:HI names a real input field (as tqweir-sweep names them)\n"
    "and its range. --until RESULT=VALUE: the value at which the summary\n"
    "result (its sweep column, e.g. bag_tension_kn_per_m), unrounded, reaches\n"
    "VALUE; --until membrane_strength | stopper_capacity | max_bag_pressure |\n"
    "floor_anchor_capacity: where that check of criteria.csv reaches ratio 1\n"
    "(--case NAME: on that load case of loadcases.csv); --until stop: where\n"
    "the runs begin or cease to stop. The range is scanned (--scan N\n"
    "intervals, default 8) and every crossing narrowed to adjacent doubles\n"
    "(or --tol T). --pick N chooses the N-th from LO (default 1).\n"
    "  -o OUT_DIR   the three input files with the value found and the six\n"
    "               files tqweir writes for them\n"
    "--sealed FIELD=FROM:TO:STEP: the air valve closed on the base case, the\n"
    "state that holds its air at each value (stopper tension, or the leaf\n"
    "angle once the stopper is slack), as a table (-o CURVE.csv, default\n"
    "sealed.csv; at most 200 values).\n"
    "Exit status: 0 found, 1 none found among the solves made, a bracket not\n"
    "narrowed or a file not written, 2 bad command line or input.\n";

const std::vector<std::string> kCaseFileNames = {
    "syogen.csv", "parameter.csv", "hitai.csv", "error.csv", "suimen.csv",
    "XYGate.csv", "XYStopper.csv", "XYBalloon.csv", "TQSpec.csv"};

// OUT_DIR: a folder (created when missing, in a folder that exists) other
// than the case's own, and each of the nine names in it a file an output
// may replace as any -o may (never an input of the command, also through a
// link, nor anything but a regular file). Checked before any solve.
void check_output_folder(const std::string& dir, const std::string& input_dir) {
  std::error_code error;
  if (std::filesystem::equivalent(dir, input_dir, error) && !error) {
    throw InputError("-o " + dir + " is the folder of the input case; give another folder");
  }
  const std::filesystem::file_status status = std::filesystem::status(dir, error);
  const std::vector<std::string> inputs = cases::base_case_paths(input_dir);
  if (!std::filesystem::exists(status)) {
    // The folder is made after the search: its parent must take it.
    const std::string refusal = output_refusal(dir, inputs);
    if (!refusal.empty()) throw InputError("-o " + dir + ": " + refusal);
    return;
  }
  if (!std::filesystem::is_directory(status)) throw InputError("-o " + dir + " is not a folder");
  for (const std::string& name : kCaseFileNames) {
    const std::string refusal = output_refusal(join_path(dir, name), inputs);
    if (!refusal.empty()) throw InputError("-o " + dir + ": " + refusal);
  }
}

bool write_found(const std::string& dir, const FoundCase& found, std::ostream& err) {
  std::error_code error;
  if (!std::filesystem::is_directory(dir, error)) std::filesystem::create_directory(dir, error);
  FileBatch batch;
  bool ok = !error;
  for (const char* name : {"syogen.csv", "parameter.csv", "hitai.csv"}) {
    ok = ok && batch.add(join_path(dir, name), *case_text(found.texts, name));
  }
  for (const auto& file : found.run.files) ok = ok && batch.add(join_path(dir, file.first), file.second);
  std::string failed;
  if (ok && batch.commit(failed)) return true;
  err << "tqweir-seek: cannot write the case into " << dir << (failed.empty() ? "" : ": " + failed)
      << "\n";
  return false;
}

// tqweir-seek --sealed: the table written to -o (default sealed.csv) and
// the closing line. The output is checked once the case has been read.
int run_sealed(const SeekOptions& options, std::ostream& out, std::ostream& err) {
  const SealedPlan plan = plan_sealed(sealed_request(options.dir, options.sealed));
  const std::string output = options.output.empty() ? "sealed.csv" : options.output;
  const std::string refusal = output_refusal(output, cases::base_case_paths(options.dir));
  if (!refusal.empty()) throw InputError(refusal);
  const SealedResult result = sealed_study(plan);
  if (!write_file(output, sealed_table(result))) {
    err << "tqweir-seek: cannot write " << output << "\n";
    return 1;
  }
  out << sealed_summary(result, output);
  return 0;
}

void print_found(const SeekPlan& plan, const search::Edge& edge, const FoundCase& found, std::ostream& out) {
  const search::Sample& value = edge_value(edge);
  const std::string name = plan.field->name;
  out << "  value found: " << name << " = " << number_text(value.x) << "\n";
  if (plan.kind != SeekKind::stop) {
    const std::string printed = text::read_printed_summary(found.run.file("TQSpec.csv"))
                                    .text[static_cast<std::size_t>(summary_index(plan.goal.field))];
    out << "  result reached: " << quantity_name(plan) << " = "
        << number_text(value.excess + plan.goal.target) << " unrounded; "
        << summary_field(plan.goal.field).column << " " << printed << " as printed";
    if (plan.kind == SeekKind::criterion) {
      out << ", ratio " << text::ratio_text(design::check_printed(printed, plan.criterion).ratio)
          << " as tqweir-report checks it (limit " << plan.criterion.limit_text << " "
          << plan.criterion.unit << ")";
    }
    out << "\n";
  } else {
    const search::Sample& far = edge.lo.finished ? edge.hi : edge.lo;
    out << "  beyond it, at " << name << " = " << number_text(far.x) << ", the run stops: "
        << stop_text(far) << "\n";
  }
  out << "  bracket: " << bracket_text(edge, plan) << "\n";
  if (edge.interrupted) {
    out << "  not narrower: the run at " << name << " = " << number_text(edge.inside.x)
        << " inside it stops " << stop_text(edge.inside) << ", and so do its neighbours tried\n";
  }
}

}  // namespace

int run_seek(const SeekPlan& plan, const SeekRequest& request, const SeekOptions& options,
             std::ostream& out, std::ostream& err) {
  SeekSearch search = search_seek(plan, request, true);
  const search::SearchSettings& settings = search.settings;
  const search::SearchResult& result = search.result;
  const std::vector<std::size_t>& picks = search.picks;
  if (picks.empty()) return report_none(plan, result, settings.scan_intervals, out);
  if (static_cast<std::size_t>(options.pick) > picks.size()) {
    out << "tqweir-seek: the search found "
        << (plan.kind == SeekKind::stop ? counted(picks.size(), "boundary", "boundaries")
                                        : counted(picks.size(), "crossing", "crossings"))
        << "; --pick " << options.pick << " has none\n";
    print_others(plan, result, result.edges.size(), out);
    return 1;
  }
  const std::size_t picked = picks[static_cast<std::size_t>(options.pick - 1)];
  const search::Edge& edge = result.edges[picked];

  const FoundCase found = found_case(plan, search::edge_value(edge).x);
  if (!found_as_searched(found, search, edge)) {
    err << "tqweir-seek: internal error: the case written does not give the state found\n";
    return 1;
  }

  out << "tqweir-seek: " << plan.field->name << " = " << number_text(edge_value(edge).x) << " where "
      << (plan.kind == SeekKind::stop ? std::string("the runs begin or cease to stop")
                                      : quantity_name(plan) + " reaches " + number_text(plan.goal.target))
      << (plan.case_name.empty() ? "" : " (load case " + plan.case_name + ")") << "\n";
  print_found(plan, edge, found, out);
  out << "  " << solves_text(result, edge) << "\n";
  if (result.edges.size() > 1) {
    out << "  " << (plan.kind == SeekKind::stop ? "boundary " : "crossing ") << options.pick << " of "
        << picks.size() << " from " << number_text(plan.lo) << "; also found:\n";
    print_others(plan, result, picked, out);
  }
  if (!edge.refined) {
    // A bracket left wide is no value: nothing is written, and it is not a find.
    out << "  not found: the bracket was not narrowed within " << settings.max_refine_solves
        << " solves" << (options.output.empty() ? "" : "; nothing written") << "\n";
    return 1;
  }
  if (options.output.empty()) return 0;
  if (!write_found(options.output, found, err)) return 1;
  out << "  written: " << options.output << " (the three inputs and tqweir's files for them)\n";
  return 0;
}

int run_seek_command_line(int argc, const char* const* argv, std::ostream& out,
                          std::ostream& err) {
  SeekOptions options;
  SeekRequest request;
  SeekPlan plan;
  try {
    options = parse_seek_options(argc, argv);
    if (cli::answer_help_or_version(options.help, options.version,
                                      std::string(kHelp) + "\n" + kSeekUsage,
                                      std::string("tqweir-seek ") + TQWEIR_VERSION, out)) {
      return 0;
    }
    if (!options.sealed.empty()) return run_sealed(options, out, err);
    request = seek_request(options);
    plan = make_seek_plan(request);
    if (!options.output.empty()) check_output_folder(options.output, options.dir);
  } catch (const SeekRefusal& refusal) {
    err << "tqweir-seek: " << refusal_text(refusal, options) << "\n";
    return 2;
  } catch (const text::InputError& error) {
    err << "tqweir-seek: " << error.what() << "\n";
    if (options.dir.empty()) err << kSeekUsage;
    return 2;
  }
  return run_seek(plan, request, options, out, err);
}

}  // namespace seek
}  // namespace tqweir
