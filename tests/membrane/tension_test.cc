// The membrane tension: closed form for a submerged bag, bisection on the
// water-line cosine otherwise.
#include "membrane/tension.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

using tqweir::solve_tension;

TEST(Tension, WorkedValues) {
  EXPECT_NEAR(solve_tension(2, 0.5), 0.9375144, 5e-8);
  EXPECT_NEAR(solve_tension(2, 1e-05), 0.9999999995, 5e-11);
  EXPECT_EQ(solve_tension(3, 2.5), 0.5);
  EXPECT_EQ(solve_tension(2, 3), -0.25);  // the caller stops on it
}

TEST(Tension, SubmergedBagHasClosedForm) {
  // 2 tau = L(1) = alpha - beta + 1 - 1/2.
  for (double alpha : {2.0, 3.5, 29.0574, 500.0}) {
    EXPECT_DOUBLE_EQ(solve_tension(alpha, 1.0), (alpha - 0.5) / 2) << alpha;
    EXPECT_DOUBLE_EQ(solve_tension(alpha, 1.75), (alpha - 1.75 + 0.5) / 2) << alpha;
  }
}

TEST(Tension, BisectionStaysWithinItsToleranceOfTheExactRoot) {
  // At the returned midpoint the arc's tension and the elastica's lie on
  // either side of the exact tau* = (alpha - beta^2/2) / 2 and differ by at
  // most the residual tolerance 5e-05, so the result is that close to tau*.
  for (double alpha : {2.0, 2.5, 7.0, 29.0574, 120.0, 500.0}) {
    for (double beta : {1e-05, 0.01, 0.1, 0.3, 0.5, 0.77, 0.9, 0.99, 0.999}) {
      const double exact = (alpha - beta * beta / 2) / 2;
      EXPECT_NEAR(solve_tension(alpha, beta), exact, 5e-05) << alpha << " " << beta;
    }
  }
}

TEST(Tension, ApproachesTheSubmergedValueFromBelow) {
  for (double alpha : {2.0, 10.0, 300.0}) {
    const double submerged = solve_tension(alpha, 1.0);
    for (double gap : {1e-3, 1e-4, 1e-5, 1e-6}) {
      // tau* differs from the submerged value by (1 - beta^2)/4 < gap/2.
      EXPECT_NEAR(solve_tension(alpha, 1.0 - gap), submerged, 5e-05 + gap / 2)
          << alpha << " " << gap;
    }
  }
}

}  // namespace
