// The coordinate files of the converged section and the bag's area.
#include "output/section_files.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "driver/case_solver.h"
#include "support/csv_rows.h"
#include "support/test_cases.h"

namespace {

// The coordinate files of `state`, with integrals of their own.
tqweir::SectionFiles section_files(const tqweir::RunState& state) {
  tqweir::EllipticIntegrals integrals(tqweir::Evaluation::reuse);
  return tqweir::make_section_files(state, integrals);
}

using tqweir::RunState;
using tqweir_test::crlf_rows;

const double kPi = 3.141592654;

// The standard case with leaf angle `theta1_deg`, after one trial at
// alpha 29.0574 as if it were the last.
RunState trial_state(double theta1_deg) {
  auto input = tqweir_test::standard_case();
  input.parameter.theta1_deg = theta1_deg;
  RunState state = tqweir::prepare_run_state(input);
  tqweir::RunCache cache(tqweir::Evaluation::reuse);
  state.trial = tqweir::run_trial(state, 29.0574, nullptr, cache);
  return state;
}

// Trapezoid sum over the outline rows, skipping row `skipped`, closed back
// to the first row.
double outline_area(const std::vector<std::string>& rows, std::size_t skipped) {
  double area = 0.0;
  double xp = 0.0, yp = 0.0;
  for (std::size_t i = 1; i < rows.size(); ++i) {
    if (i == skipped) continue;
    const auto v = tqweir_test::numbers(rows[i]);
    area += (v[0] - xp) * (v[1] + yp) * 0.5;
    xp = v[0];
    yp = v[1];
  }
  return area;
}

TEST(SectionFiles, RowCountsFollowTheLeafAngle) {
  // Arc 1 takes one point per pi/300 of theta1 (30 degrees: 49.99999999999999
  // rounds up to 50); the floor angle of 5 degrees gives arc 3 nine points.
  struct Case { double theta1_deg; int count1; };
  const Case cases[] = {{30, 50}, {45, 75}, {90, 150}, {20, 34}, {1, 2}};
  for (const Case& c : cases) {
    const RunState state = trial_state(c.theta1_deg);
    const auto files = section_files(state);
    EXPECT_EQ(crlf_rows(files.gate).size(), 4u) << c.theta1_deg;
    EXPECT_EQ(crlf_rows(files.stopper).size(), 2u) << c.theta1_deg;
    EXPECT_EQ(crlf_rows(files.balloon).size(), static_cast<std::size_t>(c.count1 + 300 + 9 + 2))
        << c.theta1_deg;
    EXPECT_TRUE(files.all_finite);
  }
}

TEST(SectionFiles, BalloonOutlineIsClosedAtTheHinge) {
  for (double theta1_deg : {45.0, 0.6}) {
    const auto rows = crlf_rows(section_files(trial_state(theta1_deg)).balloon);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front(), "0.00000000,0.00000000") << theta1_deg;
    EXPECT_EQ(rows.back(), "0.00000000,0.00000000") << theta1_deg;
  }
}

TEST(SectionFiles, LeafAngleBelowSixTenthsOfADegreeLeavesArcOneEmpty) {
  // 300 * theta1 / pi = 0.9999999999999999 for 0.6 degrees: count1 = 1.
  const RunState state = trial_state(0.6);
  const auto files = section_files(state);
  const auto rows = crlf_rows(files.balloon);
  EXPECT_EQ(rows.size(), 300u + 9u + 2u);
  EXPECT_TRUE(files.all_finite);
  // The outline goes from the hinge straight to the top of the membrane,
  // which does not count in the area: the sum starts from the hinge.
  EXPECT_NEAR(files.bag_area, outline_area(rows, 1), 1e-7);
}

TEST(SectionFiles, AreaIsTheOutlinesTrapezoidSumWithoutTheMembranesTop) {
  for (double theta1_deg : {20.0, 45.0}) {
    const RunState state = trial_state(theta1_deg);
    const auto files = section_files(state);
    const auto rows = crlf_rows(files.balloon);
    const std::size_t count1 = static_cast<std::size_t>(std::ceil(300 * state.derived.theta1 / kPi));
    // Rows: the hinge, arc 1, then the top of arc 2.
    const auto top = tqweir_test::numbers(rows[1 + count1]);
    EXPECT_NEAR(top[0], -state.trial.shape.p3_x * state.trial.bag.scale, 5e-9);
    EXPECT_NEAR(top[1], state.trial.shape.p3_y * state.trial.bag.scale, 5e-9);
    // Printed to 8 decimals (coordinates below 2 m): a few hundred terms
    // keep the sum within 1e-7.
    EXPECT_NEAR(files.bag_area, outline_area(rows, 1 + count1), 1e-7) << theta1_deg;
    // The top lies close to the chord that replaces it, but not that close.
    EXPECT_GT(std::fabs(files.bag_area - outline_area(rows, 0)), 1e-5) << theta1_deg;
  }
}

TEST(SectionFiles, BagTouchesTheLeafAndTheFloorLines) {
  // The first outline point after the hinge is the contact P1 on the
  // leaf's first segment; the last before it lies a hundred-thousandth of
  // a bag height above the floor contact P2.
  const RunState state = trial_state(45);
  const auto rows = crlf_rows(section_files(state).balloon);
  const auto p1 = tqweir_test::numbers(rows[1]);
  EXPECT_NEAR(std::atan2(p1[1], p1[0]), state.derived.theta1, 1e-7);
  const auto p2 = tqweir_test::numbers(rows[rows.size() - 2]);
  EXPECT_NEAR(p2[1] / p2[0], -std::tan(state.derived.theta2), 1e-3);
}

TEST(SectionFiles, GateAndStopperRows) {
  const RunState state = trial_state(45);
  const auto files = section_files(state);
  const auto gate = crlf_rows(files.gate);
  const auto floor = tqweir_test::numbers(gate[0]);
  EXPECT_NEAR(floor[0], 3.0, 5e-9);  // 1.2 times the stopper foot's distance
  EXPECT_NEAR(floor[1], -3.0 * std::tan(5 * kPi / 180), 5e-9);
  for (int i = 0; i <= state.profile.last_node; ++i) {
    const auto node = tqweir_test::numbers(gate[i + 1]);
    EXPECT_NEAR(node[0], state.profile.node_x[i], 5e-9) << i;
    EXPECT_NEAR(node[1], state.profile.node_y[i], 5e-9) << i;
  }
  const auto stopper = crlf_rows(files.stopper);
  const auto anchor = tqweir_test::numbers(stopper[0]);
  const auto foot = tqweir_test::numbers(stopper[1]);
  EXPECT_NEAR(anchor[0], 2.0 * std::cos(state.derived.theta1), 5e-9);  // 2 m up the leaf
  EXPECT_NEAR(anchor[1], 2.0 * std::sin(state.derived.theta1), 5e-9);
  EXPECT_NEAR(foot[0], 2.5, 5e-9);
  EXPECT_NEAR(foot[1], -2.5 * std::tan(5 * kPi / 180), 5e-9);
}

}  // namespace
