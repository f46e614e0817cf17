// Solving one case in memory: the bisection on alpha from the inputs to the
// output files' contents.
#include "driver/case_solver.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "driver/bisection.h"
#include "core/stop.h"
#include "support/csv_rows.h"
#include "support/expect_stop.h"
#include "support/test_cases.h"

namespace {

using tqweir::Message;
using tqweir::RunState;

// Thrown by a surface sink to end a bisection at a chosen trial.
struct Halt {};

// The message of the StopRun that solving `state` throws.
void solve(RunState& state, const tqweir::SurfaceSink& sink) {
  tqweir::RunCache cache(tqweir::Evaluation::reuse);
  tqweir::solve_alpha(state, sink, cache);
}

Message solve_stop(RunState& state) {
  return tqweir_test::stop_message([&] { solve(state, nullptr); });
}

TEST(CaseSolver, StandardCaseConvergesInTwentyThreeIterations) {
  std::vector<std::string> surfaces;
  const auto solved = tqweir::solve_case(
      tqweir_test::standard_case(), [&](const std::string& rows) { surfaces.push_back(rows); });
  const auto& b = solved.state.bisection;
  const auto& t = solved.state.trial;
  EXPECT_EQ(b.iterations, 23);
  EXPECT_EQ(b.trials, 69);
  EXPECT_NEAR(t.alpha, 29.0574, 5e-05);
  EXPECT_NEAR(t.shape.TB, 14.5062, 5e-05);
  EXPECT_NEAR(t.bag.scale, 0.722038, 5e-07);
  EXPECT_NEAR(t.bag.Hd, 0.147626, 5e-07);
  // The result is the last midpoint evaluated, an end of the final bracket.
  EXPECT_TRUE(t.alpha == b.alpha_lo || t.alpha == b.alpha_hi);
  EXPECT_LE(b.alpha_hi - b.alpha_lo, 1e-4);
  EXPECT_GT(b.alpha_hi - b.alpha_lo, 0.0);
  EXPECT_EQ(tqweir_test::fields(solved.summary.text)[17], "29.057");
  // The surface is offered once per trial, the same every time.
  ASSERT_EQ(surfaces.size(), 69u);
  EXPECT_FALSE(surfaces.front().empty());
  for (const std::string& rows : surfaces) EXPECT_EQ(rows, surfaces.front());
}

TEST(CaseSolver, ResidualNegativeAtTheLowerBoundStops) {
  // A weightless leaf with little water and no stopper: the bag lifts it
  // at any pressure in the range.
  auto input = tqweir_test::standard_case();
  input.syogen.leaf_weight = 0;
  input.parameter.upstream_level = 0.1;
  input.parameter.layer_level = 0;
  input.parameter.tip_moment = 0;
  input.parameter.stopper_tension = 0;
  RunState state = tqweir::prepare_run_state(input);
  EXPECT_EQ(solve_stop(state), Message::no_solution_below);
  EXPECT_EQ(state.bisection.trials, 3);
}

TEST(CaseSolver, ResidualPositiveAtTheUpperBoundStops) {
  // A leaf far too heavy for any pressure in the range.
  auto input = tqweir_test::standard_case();
  input.syogen.leaf_weight = 3000000;
  input.parameter.layer_level = 0;
  RunState state = tqweir::prepare_run_state(input);
  EXPECT_EQ(solve_stop(state), Message::no_solution_above);
  EXPECT_EQ(state.bisection.trials, 3);
  // The whole case reports the same stop.
  EXPECT_EQ(tqweir_test::stop_message([&] { tqweir::solve_case(input, nullptr); }),
            Message::no_solution_above);
}

// The standard case without stopper force and tip moment: its residual is
// then the water, weight and bag moments alone, and a tip moment of minus
// that residual makes it exactly 0.
RunState unloaded_state() {
  auto input = tqweir_test::standard_case();
  input.parameter.tip_moment = 0;
  input.parameter.stopper_tension = 0;
  return tqweir::prepare_run_state(input);
}

// The residual of trial `k` of the first iteration (alpha 2, 500, 251),
// evaluated in order from a fresh state as the bisection would.
double first_iteration_residual(int k) {
  RunState state = unloaded_state();
  const double alphas[] = {2.0, 500.0, 251.0};
  tqweir::RunCache cache(tqweir::Evaluation::reuse);
  double residual = 0.0;
  for (int i = 0; i <= k; ++i) residual = tqweir::run_trial(state, alphas[i], nullptr, cache).balance.residual;
  return residual;
}

TEST(CaseSolver, ZeroResidualAtTheMidpointCollapsesTheBracket) {
  RunState state = unloaded_state();
  state.derived.tip_moment_nm = -first_iteration_residual(2);
  solve(state, nullptr);
  const auto& b = state.bisection;
  EXPECT_EQ(state.trial.balance.residual, 0.0);
  EXPECT_EQ(b.iterations, 1);
  EXPECT_EQ(b.trials, 3);
  EXPECT_EQ(b.alpha_lo, 251.0);
  EXPECT_EQ(b.alpha_hi, 251.0);
  EXPECT_EQ(state.trial.alpha, 251.0);
}

TEST(CaseSolver, ZeroResidualAtTheLowerBoundPasses) {
  RunState state = unloaded_state();
  state.derived.tip_moment_nm = -first_iteration_residual(0);
  int calls = 0;
  try {
    solve(state, [&](const std::string&) {
      if (++calls == 4) throw Halt{};  // the first trial of iteration 2
    });
    ADD_FAILURE() << "the sink was not called a fourth time";
  } catch (const Halt&) {
  }
  // Iteration 1 kept the lower bound (its residual is 0, the midpoint's
  // negative) and moved the upper one to the midpoint.
  const auto& b = state.bisection;
  EXPECT_LT(state.trial.balance.residual, 0.0);
  EXPECT_EQ(b.iterations, 1);
  EXPECT_EQ(b.alpha_lo, 2.0);
  EXPECT_EQ(b.alpha_hi, 251.0);
  EXPECT_EQ(state.trial.alpha, 251.0);
}

TEST(CaseSolver, PreparationRefusesCasesThatCannotStart) {
  auto input = tqweir_test::standard_case();
  auto stop_of = [](const tqweir::CaseInput& in) {
    return tqweir_test::stop_message([&] { tqweir::prepare_run_state(in); });
  };
  EXPECT_EQ(stop_of(input), Message::finished);
  auto one_point = input;
  one_point.points.resize(1);
  EXPECT_EQ(stop_of(one_point), Message::hitai_point_count);
  auto over_crest = input;
  over_crest.parameter.upstream_level = 10;
  over_crest.parameter.overflow_mode = 0;
  EXPECT_EQ(stop_of(over_crest), Message::overflow_mode_invalid);
}

}  // namespace
