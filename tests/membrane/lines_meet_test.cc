// Crossing depth of the two support lines of the bag.
#include "membrane/lines_meet.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

using tqweir::lines_meet_depth;

const double kQuarterPi = std::atan(1.0);

TEST(LinesMeet, WorkedCrossing) {
  // g(y) = 2 y - 0.2; the bisection lands on a dyadic point near 0.1.
  EXPECT_NEAR(lines_meet_depth(-0.5, 0.4, 0.5, 0.8, kQuarterPi, kQuarterPi), 0.0999756, 5e-08);
}

TEST(LinesMeet, FlatFloorMeetsAtItsOwnDepth) {
  for (double y2 : {0.0, 0.37, 0.99}) {
    EXPECT_EQ(lines_meet_depth(-0.4, 0.2, 0.6, y2, 0.8, 0.0), y2);
  }
}

TEST(LinesMeet, CrossingIsWithinTheGapToleranceOfTheExactOne) {
  // Lines 1 through (x1, y1) at angle a1 and 2 through (x2, y2) at a2 meet
  // where the horizontal gap, linear in y with slope 1/tan a1 + 1/tan a2,
  // vanishes; the search ends when the gap is below 5e-05.
  struct Case { double x1, y1, x2, y2, a1, a2; };
  const Case cases[] = {{-0.3, 0.2, 0.4, 0.9, 0.7854, 0.0873},
                        {-0.6, 0.1, 0.2, 0.95, 1.2, 0.3},
                        {-0.1, 0.5, 0.05, 0.6, 0.4, 1.4},
                        {-0.5, 0.3, 0.5, 0.7, 1.5707963, 0.5}};  // line 1 nearly vertical
  for (const Case& c : cases) {
    const double slope = 1 / std::tan(c.a1) + 1 / std::tan(c.a2);
    const double exact =
        (c.y1 / std::tan(c.a1) + c.y2 / std::tan(c.a2) - (c.x2 - c.x1)) / slope;
    ASSERT_GT(exact, 0.0);
    ASSERT_LT(exact, 1.0);
    const double y = lines_meet_depth(c.x1, c.y1, c.x2, c.y2, c.a1, c.a2);
    EXPECT_NEAR(y, exact, 5e-05 / slope) << c.x1 << " " << c.a1 << " " << c.a2;
  }
}

}  // namespace
