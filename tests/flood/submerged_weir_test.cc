// Villemonte's submerged weir: the factor against the formula worked out
// on its own, and the discharge standing in the tailwater it raises.
#include <cmath>

#include <gtest/gtest.h>

#include "flood/submerged_weir.h"

namespace tqweir {
namespace flood {
namespace {

TEST(SubmergedWeir, FactorIsVillemontesAndFlowIsTheFixedPointOfItsOwnTailwater) {
  // (1 - r^1.5)^0.385, evaluated apart from the code.
  const struct {
    double ratio, factor;
  } known[] = {{0.25, 0.9498895292392987}, {0.5, 0.8453860455858134},
               {0.8, 0.616307047462132},   {0.95, 0.3670940910265811},
               {-0.3, 1.0},                {1.0, 0.0},
               {1.4, 0.0}};
  for (const auto& k : known) EXPECT_NEAR(submergence_factor(k.ratio), k.factor, 1e-15) << k.ratio;

  // A crest at 3 m, the pond at 4 m, free overfall 30 m3/s; the tailwater
  // rises 0.025 m per m3/s from 2.9 m: the drowned flow's own tailwater
  // gives it back through the law.
  const double crest = 3.0, level = 4.0, free = 30.0;
  const auto tailwater = [](double q) { return 2.9 + 0.025 * q; };
  const DrownedFlow d = drowned_flow(free, level, crest, tailwater);
  EXPECT_EQ(d.tailwater, tailwater(d.outflow));
  EXPECT_NEAR(d.outflow, free * submergence_factor((d.tailwater - crest) / (level - crest)), 1e-11);
  EXPECT_LT(d.outflow, 0.9 * free);  // clearly drowned: h2/h1 about 0.5
  EXPECT_DOUBLE_EQ(d.factor, d.outflow / free);

  // The tailwater below the crest even at the free flow: free overfall.
  EXPECT_EQ(drowned_flow(free, level, crest, [](double q) { return 2.0 + 0.01 * q; }).outflow, free);
  // The tailwater at the pond's level with no flow over the leaf: none.
  const DrownedFlow none = drowned_flow(free, level, crest, [](double q) { return 4.0 + 0.01 * q; });
  EXPECT_EQ(none.outflow, 0.0);
  EXPECT_EQ(none.tailwater, 4.0);
}

}  // namespace
}  // namespace flood
}  // namespace tqweir
