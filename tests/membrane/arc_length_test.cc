// Arc length of the membrane from its top to a tangent angle.
#include "membrane/arc_length.h"

#include <cmath>

#include <gtest/gtest.h>

#include "membrane/abscissa.h"
#include "membrane/contact.h"
#include "membrane/tension.h"

namespace {

using tqweir::membrane_abscissa;
using tqweir::membrane_arc_length;

const double kPi = 3.141592654;  // the design's pi: the bottom's tangent angle

TEST(ArcLength, WorkedValuesWithDownstreamWater) {
  // The tension as solve_tension gives it (0.9375144 rounded): near the
  // bottom the parameter k approaches 1 and the length to pi moves by 1e-7
  // between the rounded and the full value.
  const double alpha = 2, beta = 0.5;
  const double tension = tqweir::solve_tension(alpha, beta);
  ASSERT_NEAR(tension, 0.9375144, 5e-08);
  const double psi_w = std::acos(1 - (1 - beta) * alpha / tension);
  ASSERT_NEAR(psi_w, 1.6374961, 5e-08);
  EXPECT_NEAR(membrane_arc_length(alpha, 0.5, beta, tension), 0.2343786, 5e-08);
  EXPECT_NEAR(membrane_arc_length(alpha, psi_w, beta, tension), 0.7675881, 5e-08);
  EXPECT_NEAR(membrane_arc_length(alpha, 2.0, beta, tension), 0.9452328, 5e-08);
  EXPECT_NEAR(membrane_arc_length(alpha, kPi, beta, tension), 1.6087774, 5e-08);
  // Just above the water line the arc gives (tau / alpha) psi as well.
  EXPECT_NEAR(membrane_arc_length(alpha, std::nextafter(psi_w, 0.0), beta, tension),
              0.7675881, 5e-08);
}

TEST(ArcLength, WorkedValuesOfASubmergedBag) {
  EXPECT_NEAR(membrane_arc_length(3, 1.0, 1.5, 1.0), 0.4108946, 5e-08);
  EXPECT_NEAR(membrane_arc_length(3, kPi, 1.5, 1.0), 1.5962422, 5e-08);
}

TEST(ArcLength, ZeroAtTheTopAndHalfACircleWithoutDownstreamWater) {
  EXPECT_EQ(membrane_arc_length(2, 0.0, 0.5, 0.9375144), 0.0);
  EXPECT_EQ(membrane_arc_length(3, 0.0, 1.5, 1.0), 0.0);
  // beta -> 0: a circle of diameter 1, half its circumference to the bottom.
  const double tension = tqweir::solve_tension(10, 1e-05);
  EXPECT_NEAR(membrane_arc_length(10, kPi, 1e-05, tension), std::acos(-1.0) / 2, 1e-4);
}

TEST(ArcLength, EqualsTheLengthOfTheAbscissaCurveToTheContactDepth) {
  // The depth at which the tangent reaches `angle` comes from the contact
  // search (kind 2 on the arc, kind 1 below the water line); the curve
  // x(z) is then measured as a polyline of 400 chords. The depth is found
  // to a residual of 5e-05 in tension and the polyline is short by
  // O(h^2); both stay well below 1e-3 while the tangent is not near
  // horizontal (angles up to 2.5).
  struct Case { double alpha, beta; };
  const Case cases[] = {{2, 0.5}, {6, 0.2}, {3, 1.5}};
  for (const Case& c : cases) {
    const double tension = tqweir::solve_tension(c.alpha, c.beta);
    for (double angle : {0.5, 1.0, 1.6, 2.0, 2.5}) {
      int kind = 1;
      double depth = tqweir::contact_depth(1, c.alpha, c.beta, angle, tension);
      if (c.beta < 1 && depth < 1 - c.beta) {
        kind = 2;
        depth = tqweir::contact_depth(2, c.alpha, c.beta, angle, tension);
      }
      const int chords = 400;
      double length = 0.0;
      double x_prev = 0.0;
      for (int i = 1; i <= chords; ++i) {
        const double z = depth * i / chords;
        const double x = membrane_abscissa(z, c.alpha, c.beta, tension);
        length += std::hypot(x - x_prev, depth / chords);
        x_prev = x;
      }
      EXPECT_NEAR(membrane_arc_length(c.alpha, angle, c.beta, tension), length, 1e-3)
          << "alpha " << c.alpha << " beta " << c.beta << " angle " << angle << " kind " << kind;
    }
  }
}

}  // namespace
