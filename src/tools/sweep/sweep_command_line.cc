#include "tools/sweep/sweep_command_line.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "core/file_io.h"
#include "cases/base_case.h"
#include "text/count_text.h"
#include "tools/cli/command_line.h"
#include "text/input_error.h"
#include "cases/range_spec.h"
#include "studies/sweep/case_outcome.h"
#include "tools/sweep/progress_bar.h"
#include "studies/sweep/sweep_study.h"
#include "tools/sweep/sweep_options.h"

#ifndef TQWEIR_VERSION
#define TQWEIR_VERSION "unknown"
#endif

namespace tqweir {
namespace sweep {
namespace {

const char kHelp[] =
    "tqweir-sweep: solve many variants of one tqweir case in one process\n"
    "\n"
    "BASE_DIR holds a complete case (syogen.csv, parameter.csv, hitai.csv).\n"
    "CASES.csv has a header row naming input fields (upstream_level, hd_nd,\n"
    "theta1_deg, overflow_mode, leaf_weight, ...) and one row per case with the\n"
    "values that replace the base case's. --range NAME=FROM:TO:STEP makes the\n"
    "cases instead (several ranges: every combination, the first slowest).\n"
    "  -o RESULT.csv  result table, one row per case (default sweep.csv)\n"
    "  -j N           worker threads (default: one per processor)\n"
    "Exit status: 0 table written (stopped cases are rows of it), 1 table not\n"
    "written, 2 bad command line or input.\n";

using Clock = std::chrono::steady_clock;

cases::CaseTable read_cases(const SweepOptions& options) {
  if (options.cases_file.empty()) {
    std::vector<cases::RangeSpec> ranges;
    for (const std::string& arg : options.ranges) ranges.push_back(cases::parse_range(arg));
    return cases::expand_ranges(ranges);
  }
  std::string text;
  if (!read_file(options.cases_file, text)) {
    throw text::InputError("cannot read " + options.cases_file);
  }
  return cases::read_case_table(text, options.cases_file);
}

// Refuses a result path that would replace the base case's files, the
// CASES file, a folder or a device, before a case is solved.
void check_output(const SweepOptions& options) {
  std::vector<std::string> inputs = cases::base_case_paths(options.base_dir);
  if (!options.cases_file.empty()) inputs.push_back(options.cases_file);
  const std::string refusal = output_refusal(options.output, inputs);
  if (!refusal.empty()) throw text::InputError(refusal);
}

// Runs the sweep, drawing the progress bar on `err` when asked to.
SweepResult sweep_with_progress(const SweepRequest& request, std::ostream& err, bool draw_bar) {
  const Clock::time_point start = Clock::now();
  ProgressReport report;
  if (draw_bar) {
    report = [&](std::size_t done) {
      const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
      err << progress_line(done, request.cases.rows.size(), seconds) << std::flush;
    };
  }
  SweepResult result = run_sweep(request, report);
  if (draw_bar) err << "\n";
  return result;
}

// "tqweir-sweep: 36 cases, 35 ok, 1 stopped, in 0.53 s on 2 threads; ..."
std::string closing_line(const std::vector<CaseOutcome>& outcomes, double seconds, int threads,
                         const std::string& output) {
  std::size_t ok = 0;
  for (const CaseOutcome& outcome : outcomes) ok += outcome.ok ? 1 : 0;
  const std::size_t used = std::min(static_cast<std::size_t>(threads), outcomes.size());
  char time[32];
  std::snprintf(time, sizeof time, "%.2f s", seconds);
  return "tqweir-sweep: " + text::count_of(outcomes.size(), "case") + ", " + std::to_string(ok) +
         " ok, " + std::to_string(outcomes.size() - ok) + " stopped, in " + time + " on " +
         text::count_of(used, "thread") + "; results in " + output + "\n";
}

}  // namespace

int run_sweep_command_line(int argc, const char* const* argv, std::ostream& out,
                           std::ostream& err, bool err_is_terminal) {
  SweepOptions options;
  SweepRequest request;
  try {
    options = parse_sweep_options(argc, argv);
    if (cli::answer_help_or_version(options.help, options.version,
                                      std::string(kHelp) + "\n" + kSweepUsage,
                                      std::string("tqweir-sweep ") + TQWEIR_VERSION, out)) {
      return 0;
    }
    check_output(options);
    request.base = cases::read_base_case(options.base_dir).input;
    request.cases = read_cases(options);
    request.threads = options.threads;
  } catch (const text::InputError& error) {
    err << "tqweir-sweep: " << error.what() << "\n";
    if (options.base_dir.empty()) err << kSweepUsage;
    return 2;
  }

  const Clock::time_point start = Clock::now();
  const SweepResult result = sweep_with_progress(request, err, err_is_terminal);
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  if (!write_file(options.output, result.table)) {
    err << "tqweir-sweep: cannot write " << options.output << "\n";
    return 1;
  }
  out << closing_line(result.outcomes, seconds, result.threads, options.output);
  return 0;
}

}  // namespace sweep
}  // namespace tqweir
