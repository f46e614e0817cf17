#include "tools/risk/risk_command.h"

#include <chrono>
#include <set>
#include <string>
#include <thread>

#include "core/file_io.h"
#include "design/design.h"
#include "risk/risk_file.h"
#include "studies/operation/operated_design.h"
#include "studies/risk/risk_study.h"
#include "text/input_error.h"
#include "text/number_cell.h"
#include "tools/cli/command_line.h"

#ifndef TQWEIR_VERSION
#define TQWEIR_VERSION "unknown"
#endif

namespace tqweir {
namespace risk_study {
namespace {

using text::InputError;

constexpr int kMostThreads = 64;
constexpr double kProgressSeconds = 1.0;  // between progress lines

const char kUsage[] = "usage: tqweir-risk DESIGN_DIR [-o CURVE.csv] [--threads N]\n";

const char kHelp[] =
    "tqweir-risk: how often, per year, the pond rises past each level, counting\n"
    "every flood and the chance that the power or the gate fails\n"
    "\n"
    "DESIGN_DIR holds the base case, operation.csv (the pond and the rule),\n"
    "criteria.csv (flood_inflow: the flood's shape; max_upstream_level) and\n"
    "risk.csv: peak_distribution (gumbel LOC SCALE | gev LOC SCALE K, Hosking's\n"
    "sign | log-pearson3 MEAN SD SKEW of log10 m3/s) or peak_table (AEP:m3/s ...),\n"
    "power_failure_probability, gate_failure_probability, bins, events_per_bin,\n"
    "aep_from, aep_to, realizations, record_years, seed. Each flood is routed\n"
    "through the pond over the gate with power, without, and with the gate failed\n"
    "(on a weir of N gates: K = 0..N failed, the K that would lower first).\n"
    "  -o CURVE.csv   the curve level_m, aep (aep_5, aep_95 with realizations)\n"
    "  --threads N    routes on N threads (default: the machine's cores); the\n"
    "                 results are the same for any N\n"
    "Exit status: 0 every route to its end, 1 a route stopped (the AEPs are then\n"
    "upper bounds) or the table not written, 2 bad command line or input.\n";

struct RiskOptions {
  bool help = false, version = false;
  std::string dir, output;
  int threads = 0;
};

enum Id { kHelpId, kVersionId, kOutputId, kThreadsId };

RiskOptions parse(int argc, const char* const* argv) {
  const cli::CommandWords words = cli::split_command_line(
      argc, argv,
      {{kHelpId, {"-h", "--help"}, ""},
       {kVersionId, {"--version"}, ""},
       {kOutputId, {"-o", "--output"}, "a file name"},
       {kThreadsId, {"--threads"}, "a number of threads"}});
  RiskOptions o;
  std::set<int> given;
  for (const cli::GivenOption& option : words.options) {
    if (!given.insert(option.id).second) throw InputError(option.name + " is given twice");
    switch (option.id) {
      case kHelpId: o.help = true; break;
      case kVersionId: o.version = true; break;
      case kOutputId: o.output = option.value; break;
      case kThreadsId: {
        double n = 0.0;
        std::string why;
        if (!text::read_number(option.value, n, why) || !(n >= 1 && n <= kMostThreads) || n != static_cast<int>(n)) {
          throw InputError("--threads " + option.value + ": give a whole number from 1 to " +
                           std::to_string(kMostThreads));
        }
        o.threads = static_cast<int>(n);
        break;
      }
    }
  }
  if (o.help || o.version) return o;
  if (words.positional.empty()) throw InputError("no DESIGN_DIR given");
  if (words.positional.size() > 1) throw InputError("unexpected argument " + words.positional[1]);
  o.dir = words.positional[0];
  if (o.threads == 0) o.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  return o;
}

}  // namespace

int run_risk_command_line(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  RiskOptions options;
  RiskJob job;
  try {
    options = parse(argc, argv);
    if (cli::answer_help_or_version(options.help, options.version, std::string(kHelp) + "\n" + kUsage,
                                    std::string("tqweir-risk ") + TQWEIR_VERSION, out)) {
      return 0;
    }
    if (!options.output.empty()) {
      std::vector<std::string> inputs = risk_inputs(options.dir);
      const std::string refusal = output_refusal(options.output, inputs);
      if (!refusal.empty()) throw InputError(refusal);
    }
    const design::Design design = design::read_design(options.dir, {});
    job = risk_job(operate::operated(design));
    // The flood's shape may be any file of the folder: -o never replaces it.
    const std::string refusal = options.output.empty()
                                    ? std::string()
                                    : output_refusal(options.output, {join_path(options.dir, job.shape_name)});
    if (!refusal.empty()) throw InputError(refusal);
  } catch (const InputError& error) {
    err << "tqweir-risk: " << error.what() << "\n";
    if (options.dir.empty()) err << kUsage;
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  double shown = 0.0;
  bool progressed = false;
  RiskStudy study;
  try {
    study = run_risk_study(job, options.threads, [&](std::size_t done, std::size_t total) {
    const double t = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (done != total && t - shown < kProgressSeconds) return;
    shown = t;
    progressed = true;
    err << "\rtqweir-risk: " << done << " of " << total << " events, "
        << static_cast<long>(t) << " s" << std::flush;
    });
  } catch (const InputError& error) {
    err << (progressed ? "\n" : "") << "tqweir-risk: " << error.what() << "\n";
    return 2;
  }
  if (progressed) err << "\n";
  print_risk(study, job, out);
  if (!options.output.empty()) {
    if (!write_file(options.output, risk_table(study))) {
      err << "tqweir-risk: cannot write " << options.output << "\n";
      return 1;
    }
    out << "  curve in " << options.output << "\n";
  }
  return study.unfinished > 0 ? 1 : 0;
}

}  // namespace risk_study
}  // namespace tqweir
