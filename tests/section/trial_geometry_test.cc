// The section of one trial: bag shape, scale, downstream depth and the two
// checks that stop a run.
#include "driver/bisection.h"

#include <cmath>

#include <gtest/gtest.h>

#include "driver/case_solver.h"
#include "core/stop.h"
#include "support/expect_stop.h"
#include "support/membrane_model.h"
#include "support/test_cases.h"

namespace {

using tqweir::Message;
using tqweir::RunState;

const double kPi = 3.141592654;

RunState standard_state() { return tqweir::prepare_run_state(tqweir_test::standard_case()); }

// One trial of the run at `alpha`, as the bisection runs it.
tqweir::TrialState evaluate(RunState& state, double alpha) {
  tqweir::RunCache cache(tqweir::Evaluation::reuse);
  return tqweir::run_trial(state, alpha, nullptr, cache);
}

// The message of the StopRun that evaluating `state` at `alpha` throws.
Message stop_of(RunState& state, double alpha) {
  return tqweir_test::stop_message([&] { evaluate(state, alpha); });
}

TEST(TrialGeometry, StandardCaseAtItsSolution) {
  // alpha given to four decimals moves TB by up to 2.5e-05.
  RunState state = standard_state();
  const auto t = evaluate(state, 29.0574);
  EXPECT_NEAR(t.shape.TB, 14.5062, 1e-4);
  EXPECT_NEAR(t.bag.scale, 0.722038, 2e-6);
  EXPECT_NEAR(t.bag.Hd, 0.147626, 2e-6);
  // The bag is sized to the given perimeter, and the real quantities use
  // g = 9.8 and water of 1000 kg/m^3.
  EXPECT_NEAR(state.perimeter, 3.0, 1e-12);
  EXPECT_NEAR(t.shape.perimeter_nd * t.bag.scale, 3.0, 1e-12);
  EXPECT_DOUBLE_EQ(t.bag.bag_height, t.bag.scale);
  EXPECT_DOUBLE_EQ(t.bag.bag_pressure, 29.0574 * 9.8 * 1000 * t.bag.scale);
  EXPECT_DOUBLE_EQ(t.bag.bag_tension, t.shape.TB * 9.8 * 1000 * t.bag.scale * t.bag.scale);
}

TEST(TrialGeometry, ContactsAreWhereTheTangentMatchesEachSupport) {
  // With the water line at depth 0.7 the leaf contact lies above it (the
  // arc's relation) and the floor contact below it. At each contact the
  // membrane's tangent has the support's inclination, from the model's own
  // load integral: theta1 on the leaf side, pi - theta2 on the floor side.
  // The contact search ends when TB and L/D differ by at most 5e-05, so
  // cos psi = 1 - L/TB is within 5e-05 D / TB of the support's cosine.
  for (double alpha : {2.0, 29.0574, 251.0}) {
    RunState state = standard_state();
    const auto t = evaluate(state, alpha);
    const double beta = state.derived.hd_nd;
    const double cos1 = std::cos(state.derived.theta1);
    const double cos2 = std::cos(kPi - state.derived.theta2);
    EXPECT_LT(t.shape.s1, 1 - beta) << alpha;
    EXPECT_GT(t.shape.s2, 1 - beta) << alpha;
    EXPECT_NEAR(tqweir_test::tangent_cosine(t.shape.s1, alpha, beta, t.shape.TB), cos1,
                5e-05 * (1 - cos1) / t.shape.TB) << alpha;
    EXPECT_NEAR(tqweir_test::tangent_cosine(t.shape.s2, alpha, beta, t.shape.TB), cos2,
                5e-05 * (1 - cos2) / t.shape.TB) << alpha;
    // The hinge lies on the leaf line through P1 and on the floor line
    // through P2, to the crossing search's gap tolerance.
    EXPECT_NEAR(t.shape.p3_x, t.shape.p1_x + (t.shape.p1_y - t.shape.p3_y) / std::tan(state.derived.theta1), 1e-12);
    EXPECT_NEAR(t.shape.p3_x, t.shape.p2_x - (t.shape.p2_y - t.shape.p3_y) / std::tan(state.derived.theta2), 5e-05);
  }
}

TEST(TrialGeometry, ClampedLeafAngleReachesOnlyTheSpreadAngle) {
  auto input = tqweir_test::standard_case();
  input.parameter.theta1_deg = 0.5;
  RunState state = tqweir::prepare_run_state(input);
  const auto t = evaluate(state, 29.0574);
  EXPECT_DOUBLE_EQ(t.bag.spread_angle_deg, 90.0 - (1.0 + 5.0) * 0.75);
  // The membrane meets the leaf at the angle as read.
  const double cos1 = std::cos(0.5 * kPi / 180);
  EXPECT_NEAR(tqweir_test::tangent_cosine(t.shape.s1, 29.0574, 0.3, t.shape.TB), cos1,
              5e-05 * (1 - cos1) / t.shape.TB);
}

TEST(TrialGeometry, DownstreamWaterBelowTheHingeLeavesNoDepth) {
  auto input = tqweir_test::standard_case();
  input.parameter.hd_nd = 0.0;  // floored to 1e-05
  RunState state = tqweir::prepare_run_state(input);
  const auto t = evaluate(state, 29.0574);
  EXPECT_LT(t.bag.hd_rel, 0.0);
  EXPECT_EQ(t.bag.Hd, 0.0);
}

TEST(TrialGeometry, NegativeTensionStopsBeforeAnythingElse) {
  auto input = tqweir_test::standard_case();
  input.parameter.hd_nd = 3.0;
  RunState state = tqweir::prepare_run_state(input);
  EXPECT_EQ(stop_of(state, 2.0), Message::tension_negative);
}

TEST(TrialGeometry, ZeroTensionPassesTheTensionCheck) {
  // TB = 0 is not negative; a membrane without tension has no shape, and
  // the contact search reports that instead of looping.
  auto input = tqweir_test::standard_case();
  input.parameter.hd_nd = 2.5;
  RunState state = tqweir::prepare_run_state(input);
  EXPECT_EQ(stop_of(state, 2.0), Message::membrane_not_converged);
}

TEST(TrialGeometry, DownstreamDepthAboveTheCrestStops) {
  const RunState start = standard_state();
  RunState probe = start;
  const double hd = evaluate(probe, 29.0574).bag.Hd;
  ASSERT_GT(hd, 0.0);

  RunState level = start;
  level.profile.crest_height = hd;  // equal passes
  EXPECT_EQ(stop_of(level, 29.0574), Message::finished);
  RunState lower = start;
  lower.profile.crest_height = std::nextafter(hd, 0.0);
  EXPECT_EQ(stop_of(lower, 29.0574), Message::downstream_too_deep);
}

}  // namespace
