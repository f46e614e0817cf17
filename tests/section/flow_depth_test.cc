// Depth of the overflowing water from the energy of critical flow.
#include "section/flow_depth.h"

#include <cmath>

#include <gtest/gtest.h>

#include "support/expect_stop.h"

namespace {

using tqweir::flow_depth;

// Specific energy balance E(d) - (Lu - y), zero at the depth sought.
double energy_residual(double Lu, double c, double y, double d) {
  const double h = Lu - c;
  return (Lu - y) - d - (8 * h * h * h / 27) / (2 * d * d);
}

TEST(FlowDepth, WorkedDepths) {
  EXPECT_NEAR(flow_depth(2.0, 1.0, 0.0, 0.0, 1.0), 1.96150716, 5e-09);
  EXPECT_NEAR(flow_depth(2.0, 1.0, 0.1, 0.1, 1.0), 1.85709229, 5e-09);
  EXPECT_NEAR(flow_depth(1.5, 1.0, 0.99, 1.05, 1.0), 0.29036458, 5e-09);
}

TEST(FlowDepth, CriticalDepthWithinAMillimetreOfTheCrest) {
  for (double y : {1.0, 0.9995, 1.0009, 0.99901}) {
    EXPECT_DOUBLE_EQ(flow_depth(1.6, 1.0, y, 0.3, 1.0), 0.6 * 2 / 3) << y;
  }
  // Just below the band the energy equation is solved instead, on either
  // side of the crest.
  for (double x : {0.3, 1.5}) {
    const double d = flow_depth(1.6, 1.0, 0.9988, x, 1.0);
    EXPECT_NE(d, 0.6 * 2 / 3) << x;
    EXPECT_LE(std::fabs(energy_residual(1.6, 1.0, 0.9988, d)), 5e-05) << x;
  }
}

TEST(FlowDepth, SubcriticalUpstreamAndSupercriticalDownstream) {
  // The search ends when the energy residual is below 5e-05, on the root
  // of the branch the point's side of the crest calls for.
  const double Lu = 1.8, c = 1.2, xc = 2.0;
  const double critical = (Lu - c) * 2 / 3;
  for (double y = -0.5; y < c - 0.001; y += 0.1) {
    const double up = flow_depth(Lu, c, y, 1.0, xc);
    EXPECT_LE(std::fabs(energy_residual(Lu, c, y, up)), 5e-05) << y;
    EXPECT_GE(up, critical) << y;
    EXPECT_LE(up, Lu - y) << y;
    const double down = flow_depth(Lu, c, y, 3.0, xc);
    EXPECT_LE(std::fabs(energy_residual(Lu, c, y, down)), 5e-05) << y;
    EXPECT_GT(down, 0.0) << y;
    EXPECT_LE(down, critical) << y;
    // At the crest itself (x = xc) the point counts as upstream.
    EXPECT_EQ(flow_depth(Lu, c, y, xc, xc), up) << y;
  }
}

TEST(FlowDepth, BedAboveTheCrestHasNoDepthAndStops) {
  // A bed more than 1 mm above the crest height: neither branch holds a
  // root, and the search must report it instead of looping.
  tqweir_test::expect_stop_without_hang(tqweir::Message::flow_depth_not_converged,
                                        [] { return flow_depth(2.0, 1.0, 1.5, 0.0, 1.0); });
  tqweir_test::expect_stop_without_hang(tqweir::Message::flow_depth_not_converged,
                                        [] { return flow_depth(2.0, 1.0, 1.5, 2.0, 1.0); });
}

}  // namespace
