// A RunCache keeps results keyed by what they were computed from, so one
// handed a second case answers for that case and not for the first.
#include <string>

#include <gtest/gtest.h>

#include "driver/run_cache.h"
#include "input/case_reader.h"
#include "speed/case_generator.h"
#include "speed/solve_outcome.h"

namespace {

using tqweir::Evaluation;

tqweir::CaseInput example(const std::string& name) {
  return tqweir::read_case_folder(std::string(TQWEIR_SOURCE_DIR) + "/examples/" + name);
}

// The same solve as solve_with, but through a cache that has served
// another case before.
tqweir_test::SolveOutcome solve_after(const tqweir::CaseInput& first,
                                      const tqweir::CaseInput& second) {
  tqweir::RunCache cache(Evaluation::reuse);
  tqweir::solve_case(first, nullptr, cache);
  tqweir_test::SolveOutcome out;
  const tqweir::SurfaceSink sink = [&out](const std::string& rows) {
    out.surface_rows.push_back(rows);
  };
  out.solved = tqweir::solve_case(second, sink, cache);
  return out;
}

// The two examples differ only in the surface model: every membrane shape
// of the first serves the second, the surface must not.
TEST(RunCache, ASecondCaseWithAnotherSurfaceModelGetsItsOwnSurface) {
  const tqweir::CaseInput model2 = example("overflow_model2");
  const tqweir::CaseInput model3 = example("overflow_model3");
  const tqweir_test::SolveOutcome fresh = tqweir_test::solve_with(model3, Evaluation::literal);
  EXPECT_EQ(tqweir_test::first_difference(fresh, solve_after(model2, model3)), "");
}

TEST(RunCache, ASecondCaseWithAnotherLeafAndDepthGetsItsOwnResults) {
  const auto cases = tqweir_test::generate_cases(12, 7);
  int compared = 0;
  for (std::size_t i = 0; i + 1 < cases.size(); ++i) {
    const tqweir_test::SolveOutcome fresh = tqweir_test::solve_with(cases[i + 1], Evaluation::literal);
    if (fresh.stopped) continue;
    tqweir_test::SolveOutcome first = tqweir_test::solve_with(cases[i], Evaluation::reuse);
    if (first.stopped) continue;
    EXPECT_EQ(tqweir_test::first_difference(fresh, solve_after(cases[i], cases[i + 1])), "")
        << "generated case " << i + 1;
    ++compared;
  }
  EXPECT_GE(compared, 4);
}

}  // namespace
