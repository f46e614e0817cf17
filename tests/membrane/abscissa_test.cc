// The membrane's horizontal coordinate: circular arc above the water line,
// elastica below it or for a submerged bag.
#include "membrane/abscissa.h"

#include <cmath>

#include <gtest/gtest.h>

#include "membrane/tension.h"
#include "support/membrane_model.h"

namespace {

using tqweir::membrane_abscissa;
using tqweir::solve_tension;

TEST(Abscissa, WorkedValuesWithDownstreamWater) {
  const double alpha = 2, beta = 0.5, tension = 0.9375144;
  EXPECT_NEAR(membrane_abscissa(0.25, alpha, beta, tension), 0.41458, 5e-06);  // on the arc
  EXPECT_NEAR(membrane_abscissa(0.5, alpha, beta, tension), 0.46771, 5e-06);   // water line
  EXPECT_NEAR(membrane_abscissa(0.75, alpha, beta, tension), 0.37912, 5e-06);
  EXPECT_NEAR(membrane_abscissa(0.99999, alpha, beta, tension), -0.10569, 5e-06);
}

TEST(Abscissa, WorkedValuesOfASubmergedBag) {
  const double alpha = 3, beta = 1.5, tension = 1.0;
  EXPECT_NEAR(membrane_abscissa(0.25, alpha, beta, tension), 0.37608, 5e-06);
  EXPECT_NEAR(membrane_abscissa(0.5, alpha, beta, tension), 0.41160, 5e-06);
  EXPECT_NEAR(membrane_abscissa(0.99999, alpha, beta, tension), -0.19749, 5e-06);
}

TEST(Abscissa, TopOfTheMembraneIsOnTheAxis) {
  EXPECT_EQ(membrane_abscissa(0.0, 2, 0.5, 0.9375144), 0.0);
  EXPECT_EQ(membrane_abscissa(0.0, 3, 1.5, 1.0), 0.0);
  EXPECT_EQ(membrane_abscissa(0.0, 40, 1e-05, solve_tension(40, 1e-05)), 0.0);
}

TEST(Abscissa, ArcAndElasticaMeetAtTheWaterLine) {
  // Both give sqrt(2 r e - e^2), r = tau / alpha, e the water line's depth.
  for (double alpha : {2.0, 6.0, 250.0}) {
    for (double beta : {0.05, 0.3, 0.5, 0.8}) {
      const double tension = solve_tension(alpha, beta);
      const double e = 1 - beta;
      const double r = tension / alpha;
      const double expected = std::sqrt(2 * r * e - e * e);
      EXPECT_NEAR(membrane_abscissa(e, alpha, beta, tension), expected, 1e-9)
          << alpha << " " << beta;
      EXPECT_NEAR(membrane_abscissa(std::nextafter(e, 0.0), alpha, beta, tension), expected, 1e-9)
          << alpha << " " << beta;
    }
  }
}

TEST(Abscissa, SlopeFollowsTheTangentAngleOfTheLoadIntegral) {
  // tau (1 - cos psi) = L(z) and dx/dz = cot psi along the whole membrane:
  // an independent check of the elliptic-integral forms. Central
  // differences with step 1e-3 err by about 1e-7 relative (the curve is
  // smooth away from the top and the bottom); the trapezoid error of the
  // integrals is smooth in the amplitude and cancels in the difference.
  struct Case { double alpha, beta; };
  const Case cases[] = {{2, 0.5}, {2, 0.1}, {9, 0.7}, {3, 1.5}, {20, 1.0}, {4, 2.0}};
  const double h = 1e-3;
  for (const Case& c : cases) {
    const double tension = solve_tension(c.alpha, c.beta);
    for (double z = 0.05; z < 0.96; z += 0.05) {
      if (std::fabs(z - (1 - c.beta)) < 2 * h) continue;  // the kink of the pressure
      const double slope = (membrane_abscissa(z + h, c.alpha, c.beta, tension) -
                            membrane_abscissa(z - h, c.alpha, c.beta, tension)) / (2 * h);
      const double cos_psi = tqweir_test::tangent_cosine(z, c.alpha, c.beta, tension);
      const double cot_psi = cos_psi / std::sqrt(1 - cos_psi * cos_psi);
      EXPECT_NEAR(slope, cot_psi, 1e-4 * (1 + std::fabs(cot_psi)))
          << "alpha " << c.alpha << " beta " << c.beta << " z " << z;
    }
  }
}

TEST(Abscissa, BagWithoutDownstreamWaterIsASemicircle) {
  // beta -> 0: tension alpha/2, a circle of diameter 1 through the top.
  const double alpha = 10, beta = 1e-05;
  const double tension = solve_tension(alpha, beta);
  for (double z : {0.1, 0.3, 0.5, 0.7, 0.9}) {
    EXPECT_NEAR(membrane_abscissa(z, alpha, beta, tension), std::sqrt(z - z * z), 1e-5) << z;
  }
}

}  // namespace
