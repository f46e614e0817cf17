// The sealed state chosen on fixed grids, on functions whose steps and
// crossings are known: from wherever the search comes, the same value.
#include "search/sealed_step.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace tqweir {
namespace search {
namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kFine = 1.0 / 16384.0;

// A solve's air against the tension: steps 0.0017 wide, the one of
// [10.003, 10.0047) holding the air exactly.
Sample staircase(double x) { return Sample{x, true, std::floor((x - 10.003) / 0.0017) * 1e-6, 0}; }

// The air against the leaf angle: a slope with jumps that cross the base
// air several times within 2e-4 of 24.95, no value holding it exactly.
Sample jumpy(double x) { return Sample{x, true, (x - 24.95) + 2e-4 * std::sin(x * 4e4), 0}; }

TEST(SealedStep, TheMiddleOfTheStepFromAnywhereNearOrTheOwnValueOnIt) {
  const StepState first = state_near(staircase, 10.0, 0.0, kInf, 10.0, StepGrid());
  ASSERT_TRUE(first.found);
  EXPECT_NEAR(first.x, 10.003 + 0.0017 / 2.0, kFine);
  for (double near : {9.5, 10.0035, 10.01, 12.0, 200.0}) {
    EXPECT_EQ(state_near(staircase, near, 0.0, kInf, 10.0, StepGrid()).x, first.x) << near;
  }
  EXPECT_EQ(state_near(staircase, 11.0, 0.0, kInf, 10.004, StepGrid()).x, 10.004);
}

TEST(SealedStep, AmongCrossingsWithinACellTheSameOneFromAnywhereNear) {
  const StepState first = state_near(jumpy, 24.95, 1.0, 45.0, 45.0, StepGrid());
  ASSERT_TRUE(first.found);
  EXPECT_NEAR(first.x, 24.95, 3e-4);
  EXPECT_EQ(std::fmod(first.x, kFine), 0.0);  // a point of the fine grid
  for (double near : {24.9498, 24.9502, 24.96, 24.9, 30.0, 45.0}) {
    EXPECT_EQ(state_near(jumpy, near, 1.0, 45.0, 45.0, StepGrid()).x, first.x) << near;
  }
}

}  // namespace
}  // namespace search
}  // namespace tqweir
