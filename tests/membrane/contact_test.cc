// Where the membrane leaves the leaf (kinds 1, 2) and the floor (kinds 3, 4).
#include "membrane/contact.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

using tqweir::contact_depth;
using tqweir::contact_tension;

TEST(Contact, WorkedDepthsForEachKind) {
  // alpha 2, beta 0.5 (water line at depth 0.5), tension from solve_tension.
  const double alpha = 2, beta = 0.5, tension = 0.9375144, angle = 1.0;
  const double expected[] = {0.23328, 0.21548, 0.73596, 0.72205};
  for (int kind = 1; kind <= 4; ++kind) {
    const double depth = contact_depth(kind, alpha, beta, angle, tension);
    EXPECT_NEAR(depth, expected[kind - 1], 5e-06) << "kind " << kind;
    // The search ends on its residual, not on the bracket's width.
    EXPECT_LE(std::fabs(contact_tension(kind, depth, alpha, beta, angle) - tension), 5e-05)
        << "kind " << kind;
  }
}

TEST(Contact, TensionAtTheTopOfTheMembrane) {
  const double angle = 0.8;
  const double d_leaf = 1 - std::cos(angle);
  const double d_floor = std::cos(angle) + 1;
  for (double beta : {1e-05, 0.3, 0.99, 1.0, 2.0}) {
    EXPECT_EQ(contact_tension(2, 0.0, 5.0, beta, angle), 0.0);
    EXPECT_EQ(contact_tension(4, 0.0, 5.0, beta, angle), 0.0);
    // Below a water line at depth 1 - beta the load integral starts from
    // -(1 - beta)^2 / 2; a submerged membrane starts from 0.
    const double start = beta >= 1 ? 0.0 : -(1 - beta) * (1 - beta) / 2;
    EXPECT_NEAR(contact_tension(1, 0.0, 5.0, beta, angle), start / d_leaf, 1e-12) << beta;
    EXPECT_NEAR(contact_tension(3, 0.0, 5.0, beta, angle), start / d_floor, 1e-12) << beta;
  }
}

TEST(Contact, BelowAndAboveFormsAgreeAtTheWaterLine) {
  for (double alpha : {2.0, 17.0, 400.0}) {
    for (double beta : {1e-05, 0.25, 0.5, 0.9}) {
      const double line = 1 - beta;
      for (double angle : {0.3, 1.0, 2.5}) {
        const double above = contact_tension(2, line, alpha, beta, angle);
        EXPECT_NEAR(contact_tension(1, line, alpha, beta, angle), above, 1e-12 * above);
        const double above_floor = contact_tension(4, line, alpha, beta, angle);
        EXPECT_NEAR(contact_tension(3, line, alpha, beta, angle), above_floor,
                    1e-12 * above_floor);
      }
    }
  }
}

TEST(Contact, SubmergedLoadIntegral) {
  // beta >= 1: L(z) = (alpha - beta + 1) z - z^2 / 2.
  const double alpha = 3, beta = 1.5, z = 0.4, angle = 0.9;
  const double load = (alpha - beta + 1) * z - z * z / 2;
  EXPECT_NEAR(contact_tension(1, z, alpha, beta, angle), load / (1 - std::cos(angle)), 1e-12);
  EXPECT_NEAR(contact_tension(3, z, alpha, beta, angle), load / (1 + std::cos(angle)), 1e-12);
}

}  // namespace
