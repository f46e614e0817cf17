// The one-pass pair and the run's kept integrals against the separate
// passes of elliptic_f and elliptic_e.
#include <cmath>
#include <cstring>

#include <gtest/gtest.h>

#include "membrane/elliptic.h"
#include "membrane/elliptic_integrals.h"

namespace {

using tqweir::EllipticIntegrals;
using tqweir::Evaluation;

bool same_bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Amplitudes over and past a quarter period, parameters from negative
// through the edge of the valid range (m sin^2 phi up to 1) and beyond it,
// where both rules give not-a-number in the same places.
TEST(EllipticPair, EqualsTheSeparatePassesBitForBit) {
  for (double phi : {0.0, -0.0, 1e-9, 0.3, 0.7853981634, 1.5707963270, 2.1, 3.1415926540}) {
    for (double m : {-3.0, -0.5, 0.0, 0.25, 0.9, 0.999999, 1.0, 1.7, 40.0}) {
      const tqweir::EllipticPair p = tqweir::elliptic_fe(phi, m);
      EXPECT_TRUE(same_bits(p.f, tqweir::elliptic_f(phi, m))) << phi << " " << m;
      EXPECT_TRUE(same_bits(p.e, tqweir::elliptic_e(phi, m))) << phi << " " << m;
    }
  }
}

TEST(EllipticIntegrals, ReuseEvaluatesEachPairOnceAndLiteralEveryRequest) {
  EllipticIntegrals reuse(Evaluation::reuse);
  EllipticIntegrals literal(Evaluation::literal);
  for (EllipticIntegrals* ig : {&reuse, &literal}) {
    EXPECT_TRUE(same_bits(ig->f(0.9, 0.6), tqweir::elliptic_f(0.9, 0.6)));
    EXPECT_TRUE(same_bits(ig->e(0.9, 0.6), tqweir::elliptic_e(0.9, 0.6)));
    EXPECT_TRUE(same_bits(ig->f(0.9, 0.6), tqweir::elliptic_f(0.9, 0.6)));
    EXPECT_TRUE(same_bits(ig->e(1.2, 0.6), tqweir::elliptic_e(1.2, 0.6)));
  }
  EXPECT_EQ(reuse.integrand_evaluations(), 2 * tqweir::kEllipticNodes);
  EXPECT_EQ(literal.integrand_evaluations(), 4 * tqweir::kEllipticNodes);
}

// Equal arguments by == are not enough to share a result: F(-0, m) is -0
// and F(+0, m) is +0, and a not-a-number amplitude is never == itself.
TEST(EllipticIntegrals, ReuseKeysOnTheArgumentsBits) {
  EllipticIntegrals ig;
  EXPECT_FALSE(std::signbit(ig.f(0.0, 0.5)));
  EXPECT_TRUE(std::signbit(ig.f(-0.0, 0.5)));
  EXPECT_TRUE(std::isnan(ig.f(std::nan(""), 0.5)));
  EXPECT_TRUE(std::isnan(ig.e(std::nan(""), 0.5)));
  EXPECT_EQ(ig.integrand_evaluations(), 3 * tqweir::kEllipticNodes);
}

}  // namespace
