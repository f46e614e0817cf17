// Verification of the program's own outputs: each case is run in memory as
// tqweir runs it in a folder, and its files go through the self-checks.
#include <cmath>
#include <cstdlib>
#include <map>

#include "core/summary_fields.h"
#include "driver/case_solver.h"
#include "driver/memory_run.h"
#include "input/case_reader.h"
#include "drawing/plane_distance.h"
#include "text/run_results.h"
#include "tools/verify/problem.h"
#include "studies/self_check/run_geometry.h"
#include "studies/self_check/self_check.h"

namespace tqweir {
namespace verify {
namespace {

const char kGroup[] = "Self-checks of finished runs";

std::string base_name(const std::string& dir) {
  const std::size_t slash = dir.find_last_of('/');
  return slash == std::string::npos ? dir : dir.substr(slash + 1);
}

Problem failed(const std::string& id, const std::string& why) {
  Problem p;
  p.group = kGroup;
  p.id = id;
  p.what = why;
  p.reference = "-";
  p.kind = "-";
  p.value = NAN;
  return p;
}

Problem from_check(const std::string& name, const SelfCheck& c) {
  Problem p;
  p.group = kGroup;
  p.id = name + " " + c.id;
  p.what = c.what_en;
  p.reference = "recomputed from the run's files and inputs";
  p.kind = "physics of the outputs";
  p.reference_value = c.expected;
  p.value = c.value;
  p.tolerance = c.tolerance;
  return p;
}

// Over the crest the summary reports the weir formula's discharge C h^1.5,
// h the upstream level over the crest (printed with 3 decimals).
void discharge_problem(std::ostream& out, const std::string& name, const CaseInput& input,
                       const std::string& summary) {
  const double crest = prepare_run_state(input).profile.crest_height;
  const double h = input.parameter.upstream_level - crest;
  if (h <= 0) return;
  const text::PrintedSummary printed = text::read_printed_summary(summary);
  Problem p;
  p.group = "Section: overflow discharge";
  p.id = name + " discharge";
  p.what = "overflow discharge C h^1.5 (summary field 26)";
  p.reference = "weir formula with the case's C and h";
  p.kind = "analytical";
  p.reference_value = input.syogen.discharge_coefficient * std::pow(h, 1.5);
  p.value = printed.value[static_cast<std::size_t>(summary_index(SummaryId::overflow_discharge))];
  p.tolerance = 0.5e-3;
  print_problem(out, p);
}

}  // namespace

void run_problems(std::ostream& out, const std::vector<std::string>& case_dirs) {
  std::vector<std::vector<std::string>> gaps;
  std::vector<std::vector<std::string>> reactions;
  for (const std::string& dir : case_dirs) {
    const std::string name = base_name(dir);
    CaseTexts texts;
    if (!read_case_files(dir, texts)) {
      print_problem(out, failed(name, "the case's input files read"));
      continue;
    }
    const MemoryRun outcome = run_in_memory(texts);
    if (outcome.exit_status != 0) {
      print_problem(out, failed(name, outcome.read ? "the case finishes" : "the case's input files read"));
      continue;
    }
    const CaseInput& input = outcome.input;
    RunTexts run;
    text::output_texts(outcome.files, run);
    run.syogen = texts.syogen;
    for (const SelfCheck& c : self_checks(input, run)) print_problem(out, from_check(name, c));
    const RunGeometry g = read_run_geometry(input, run);
    if (g.ok) print_problem(out, from_check(name, support_force_check(input, g)));
    discharge_problem(out, name, input, run.summary);
    if (!g.ok) continue;
    gaps.push_back({name, fmt_e(statics_gap(input, g))});
    const Point r = hinge_reaction(input, g);
    reactions.push_back({name, g.summary.text[summary_index(SummaryId::support_force)],
                         fmt_g(r.x / 1000, 4), fmt_g(r.y / 1000, 4),
                         fmt_g(drawing::plane_distance(r.x, r.y) / 1000, 4)});
  }
  print_table(out, kGroup,
              "the method's conventions against plain statics: the moment sum with plain statics less "
              "the sum with the conventions, over the bag's moment",
              {"case", "difference"}, gaps);
  print_table(out, kGroup,
              "the support force beside the hinge's force on the leaf from the leaf's equilibrium, "
              "plain statics (kN/m; x downstream, y up)",
              {"case", "support force (TQSpec 11)", "hinge force x", "hinge force y", "its size"},
              reactions);
}

}  // namespace verify
}  // namespace tqweir
