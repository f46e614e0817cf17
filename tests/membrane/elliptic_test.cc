// The 1000-panel trapezoid rule for the incomplete elliptic integrals.
#include "membrane/elliptic.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

using tqweir::elliptic_e;
using tqweir::elliptic_f;

const double kHalfPi = std::acos(-1.0) / 2;  // full precision, not the design's pi

TEST(EllipticIntegrals, CompleteIntegralsAtHalfParameterMatchTables) {
  // K(m = 0.5) and E(m = 0.5) to ten decimals: over a whole quarter period
  // the integrand is smooth and periodic, so the trapezoid rule is exact to
  // far below that.
  EXPECT_NEAR(elliptic_f(kHalfPi, 0.5), 1.8540746773, 5e-11);
  EXPECT_NEAR(elliptic_e(kHalfPi, 0.5), 1.3506438810, 5e-11);
}

TEST(EllipticIntegrals, ZeroAmplitudeAndZeroParameterAreTrivial) {
  for (double m : {0.0, 0.3, 0.9}) {
    EXPECT_EQ(elliptic_f(0.0, m), 0.0) << m;
    EXPECT_EQ(elliptic_e(0.0, m), 0.0) << m;
  }
  // With m = 0 every integrand value is 1 and the weights add up to phi.
  for (double phi : {0.1, 0.7853981633974483, 1.2, kHalfPi, 3.0}) {
    EXPECT_DOUBLE_EQ(elliptic_f(phi, 0.0), phi) << phi;
    EXPECT_DOUBLE_EQ(elliptic_e(phi, 0.0), phi) << phi;
  }
}

TEST(EllipticIntegrals, NegativeAmplitudeGivesTheNegatedIntegral) {
  for (double phi : {0.2, 1.0, kHalfPi}) {
    for (double m : {0.1, 0.5, 0.9}) {
      EXPECT_EQ(elliptic_f(-phi, m), -elliptic_f(phi, m)) << phi << " " << m;
      EXPECT_EQ(elliptic_e(-phi, m), -elliptic_e(phi, m)) << phi << " " << m;
    }
  }
}

TEST(EllipticIntegrals, AgreeWithTheStandardLibraryOverTheCallersRange) {
  // std::ellint_1/2 take the modulus k = sqrt(m). Tolerance: on [0, phi]
  // with phi < pi/2 the integrand is not periodic, so the rule keeps its
  // leading Euler-Maclaurin error h^2/12 (f'(phi) - f'(0)), h = phi/1000,
  // i.e. about 2e-7 times f'(phi). For 1/sqrt(1 - m sin^2 t), f'/F grows
  // roughly like 1/(1 - m); the observed relative error stays below
  // 3e-8/(1 - m) for F and below that for E. 1e-7/(1 - m) leaves a margin
  // of three while a rule with half the panels (four times the error)
  // would fail it.
  for (int im = 0; im <= 19; ++im) {
    const double m = 0.05 * im;
    const double tolerance = 1e-7 / (1.0 - m);
    for (int ip = 1; ip <= 16; ++ip) {
      const double phi = kHalfPi * ip / 16;
      const double k = std::sqrt(m);
      const double f = std::ellint_1(k, phi);
      const double e = std::ellint_2(k, phi);
      EXPECT_NEAR(elliptic_f(phi, m), f, tolerance * f) << "phi " << phi << " m " << m;
      EXPECT_NEAR(elliptic_e(phi, m), e, tolerance * e) << "phi " << phi << " m " << m;
    }
  }
}

}  // namespace
