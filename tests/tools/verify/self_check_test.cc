// The verdicts of the verification manual and of the report's self-check:
// a value that is not a number never passes; a right run passes with finite
// measures, the nearly flat leaf (whose outline has no leaf-side arc)
// included; a run doctored by a few tolerances fails the check it moves.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "core/input_fields.h"
#include "driver/memory_run.h"
#include "input/case_reader.h"
#include "tools/verify/problem.h"
#include "studies/self_check/run_geometry.h"
#include "studies/self_check/self_check.h"

namespace {

using namespace tqweir;
using namespace tqweir::verify;

struct FinishedRun {
  CaseInput input;
  RunTexts files;
};

// examples/standard run in memory, its leaf angle set to `theta1_deg`
// unless that is not a number.
FinishedRun standard_run(double theta1_deg = NAN) {
  CaseTexts texts;
  EXPECT_TRUE(read_case_files(std::string(TQWEIR_SOURCE_DIR) + "/examples/standard", texts));
  FinishedRun run;
  run.input = run_in_memory(texts).input;
  if (!std::isnan(theta1_deg)) set_field_value(*find_input_field("theta1_deg"), theta1_deg, run.input);
  const MemoryRun outcome = run_in_memory(run.input);
  EXPECT_EQ(outcome.exit_status, 0);
  text::output_texts(outcome.files, run.files);
  run.files.syogen = texts.syogen;
  return run;
}

// The self-checks and the support force, as the manual lists them.
std::vector<SelfCheck> all_checks(const FinishedRun& run) {
  std::vector<SelfCheck> checks = self_checks(run.input, run.files);
  const RunGeometry g = read_run_geometry(run.input, run.files);
  if (g.ok) checks.push_back(support_force_check(run.input, g));
  return checks;
}

const SelfCheck* find_check(const std::vector<SelfCheck>& checks, const std::string& id) {
  for (const SelfCheck& c : checks) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

// Field `field` (1-based) of TQSpec.csv's line replaced by `text`.
void set_summary_field(std::string& summary, int field, const std::string& text) {
  std::size_t begin = 0;
  for (int i = 1; i < field; ++i) begin = summary.find(',', begin) + 1;
  summary.replace(begin, summary.find(',', begin) - begin, text);
}

TEST(Verdict, NotANumberOrInfinityNeverPasses) {
  for (double v : {static_cast<double>(NAN), static_cast<double>(INFINITY)}) {
    Problem p;
    p.value = v;
    p.tolerance = 1.0;
    EXPECT_FALSE(p.ok()) << v;
    p.relative = true;
    p.reference_value = 1.0;
    EXPECT_FALSE(p.ok()) << v;
    EXPECT_FALSE(make_check("x", "x", "x", "", v, 0.0, 1.0).ok()) << v;
  }
}

// Below a leaf angle of 0.6 degrees the outline draws no leaf-side arc; the
// bag still presses on the leaf over the summary's contact length.
TEST(SelfChecks, NearlyFlatLeafPassesWithFiniteMeasures) {
  for (double theta1_deg : {0.22, 0.5}) {
    const std::vector<SelfCheck> checks = all_checks(standard_run(theta1_deg));
    ASSERT_NE(find_check(checks, "moment-balance"), nullptr) << theta1_deg;
    ASSERT_NE(find_check(checks, "support-force"), nullptr) << theta1_deg;
    for (const SelfCheck& c : checks) {
      EXPECT_TRUE(c.ok()) << theta1_deg << " " << c.id << ": " << c.difference << " > " << c.tolerance;
      EXPECT_TRUE(std::isfinite(c.value) && std::isfinite(c.tolerance)) << theta1_deg << " " << c.id;
    }
  }
}

// Each doctoring moves one check by 3 to 5 of its tolerances: the check must
// pass before and fail after, so that a tolerance ten times wider fails too.
TEST(SelfChecks, DoctoredRunFailsTheCheckItMoves) {
  const FinishedRun standard = standard_run();
  const struct {
    const char* check;
    std::function<void(RunTexts&)> doctor;
  } cases[] = {
      // The outline's first and last rows (which the reader requires to be
      // the same) moved 3e-8 m off the hinge.
      {"outline-closed",
       [](RunTexts& t) {
         const std::string hinge = "0.00000000,0.00000000";
         t.balloon.replace(t.balloon.rfind(hinge), hinge.size(), "0.00000003,0.00000000");
         t.balloon.replace(0, hinge.size(), "0.00000003,0.00000000");
       }},
      {"outline-area", [](RunTexts& t) { set_summary_field(t.summary, 16, " 0.545"); }},
      // The width factor 1.063 scales water and weight by 0.3 % more.
      {"moment-balance", [](RunTexts& t) { set_summary_field(t.summary, 6, " 1.066"); }},
      {"support-force", [](RunTexts& t) { set_summary_field(t.summary, 11, "36.995"); }},
  };
  const std::vector<SelfCheck> checks = all_checks(standard);
  for (const auto& c : cases) {
    const SelfCheck* before = find_check(checks, c.check);
    ASSERT_NE(before, nullptr) << c.check;
    EXPECT_TRUE(before->ok()) << c.check;
    FinishedRun doctored = standard;
    c.doctor(doctored.files);
    const std::vector<SelfCheck> after = all_checks(doctored);
    const SelfCheck* moved = find_check(after, c.check);
    ASSERT_NE(moved, nullptr) << c.check;
    EXPECT_FALSE(moved->ok()) << c.check << ": " << moved->difference << " <= " << moved->tolerance;
  }
}

}  // namespace
