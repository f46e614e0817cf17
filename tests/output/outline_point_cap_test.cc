// The bag outline's point counts: one point per pi/300 of turning at the
// ends, and a cap that keeps a wild angle from costing seconds and
// megabytes.
#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "driver/case_solver.h"
#include "core/constants.h"
#include "input/parameter_reader.h"
#include "input/profile_reader.h"
#include "input/syogen_reader.h"
#include "output/section_files.h"
#include "support/test_cases.h"

namespace tqweir {
namespace {

// The coordinate files of `state`, with integrals of their own.
tqweir::SectionFiles section_files(const tqweir::RunState& state) {
  tqweir::EllipticIntegrals integrals(tqweir::Evaluation::reuse);
  return tqweir::make_section_files(state, integrals);
}

CaseInput read_case(const std::string& syogen, const std::string& parameter,
                    const std::string& hitai) {
  const std::string s = syogen;
  const std::string p = parameter;
  const std::string h = hitai;
  CaseInput input;
  input.syogen = read_syogen(s);
  input.parameter = read_parameter(p);
  input.points = read_profile_points(h);
  return input;
}

// The standard example, solved: a converged state to draw from.
RunState solved_standard_case() {
  return solve_case(tqweir_test::standard_case(), SurfaceSink{}).state;
}

long row_count(const std::string& file) {
  return static_cast<long>(std::count(file.begin(), file.end(), '\n'));
}

double radians(double degrees) { return degrees * kPi / 180.0; }

TEST(BagOutline, EndArcsHaveOnePointPerThreeHundredthOfPiUpToTheCap) {
  RunState state = solved_standard_case();
  // (leaf angle, floor angle, expected count1, expected count3), degrees.
  const struct {
    double theta1_deg, theta2_deg;
    long count1, count3;
  } cases[] = {
      {45, 5, 75, 9},           // the example as drawn
      {405, 20, 675, 34},       // a turn past the meaningful range: still exact
      {1800, 1799, 3000, 2999}, // the last angles drawn exactly
      {90, 0.6, 150, 1},
  };
  for (const auto& c : cases) {
    state.derived.theta1 = radians(c.theta1_deg);
    state.derived.theta2 = radians(c.theta2_deg);
    const SectionFiles files = section_files(state);
    EXPECT_EQ(row_count(files.balloon), c.count1 + 300 + c.count3 + 2)
        << c.theta1_deg << " / " << c.theta2_deg << " degrees";
  }
}

TEST(BagOutline, WildAnglesAreDrawnWithTheCappedCountAndStayClosed) {
  RunState state = solved_standard_case();
  for (double degrees : {1.0e4, 517046.0, 1.0e9, 1.0e300}) {
    state.derived.theta1 = radians(degrees);
    state.derived.theta2 = radians(degrees);
    const SectionFiles files = section_files(state);
    EXPECT_EQ(row_count(files.balloon), kMaxArcPoints + 300 + kMaxArcPoints + 2) << degrees;
    EXPECT_TRUE(files.all_finite) << degrees;
    // The outline starts and ends at the hinge.
    EXPECT_EQ(files.balloon.substr(0, 23), "0.00000000,0.00000000\r\n");
    EXPECT_EQ(files.balloon.substr(files.balloon.size() - 23), "0.00000000,0.00000000\r\n");
  }
}

TEST(BagOutline, CappingThinsTheSamplingOfTheSameArc) {
  // Arc 3 steps from the bag's bottom up to the floor contact whatever its
  // count, so the capped outline encloses nearly the area of a finely
  // sampled one.
  RunState state = solved_standard_case();
  state.derived.theta2 = radians(1799.0);
  const double fine = section_files(state).bag_area;
  state.derived.theta2 = radians(1.0e6);
  const double capped = section_files(state).bag_area;
  EXPECT_NEAR(capped, fine, 1e-6 * std::fabs(fine));
}

TEST(BagOutline, FuzzedCaseWithAHalfMillionDegreeFloorSolvesWithBoundedOutput) {
  // Found by a directed search next to the fuzzer: it balances, and drew
  // 861,744 points of arc 3 (9 s, 20 MB) before the cap.
  const CaseInput input = read_case(
      "0,10,0,5000,1,1,1.3466504963409498,3.2284295072488427,517046.15464647213,1,9800,9800\n",
      "1,3.1756820615537142,1.250667190919724,0.5,15,33.842287635542441,2,6.8778642422495926,"
      "19.487653421209721\n",
      "0,0\n3,0\n4,0.3\n");
  const SolvedCase solved = solve_case(input, SurfaceSink{});
  EXPECT_EQ(row_count(solved.files.balloon), 57 + 300 + kMaxArcPoints + 2);
}

}  // namespace
}  // namespace tqweir
