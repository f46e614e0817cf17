// The water bodies drawn around the section: where each surface starts
// and ends, and when there is no water to draw.
#include <gtest/gtest.h>

#include "tools/plot/water_bodies.h"

namespace tqweir {
namespace plot {
namespace {

// A leaf rising at 45 degrees to (2, 2) and then level to (3, 2), on a
// floor falling at 1 in 10 towards +x; a square bag 0.5 m high.
RunResults section(double upstream_level, double downstream_level) {
  RunResults r;
  r.leaf = {{0, 0}, {2, 2}, {3, 2}};
  r.floor_slope = -0.1;
  r.bag = {{0, 0}, {0.5, 0.5}, {1.0, 0.5}, {1.0, -0.1}, {0, 0}};
  r.surface = {{0.0, upstream_level, upstream_level, 0.0},
               {2.0, upstream_level - 0.1, upstream_level - 2.1, 2.0},
               {3.0, upstream_level - 0.3, upstream_level - 2.3, 2.0}};
  r.summary[1] = upstream_level;
  r.summary[2] = downstream_level;
  r.summary[8] = 2.0;  // crest height
  return r;
}

TEST(UpstreamWater, BelowTheCrestTheLevelSurfaceMeetsTheLeaf) {
  const WaterBody w = upstream_water(section(1.5, 0.2), -4.0);
  ASSERT_EQ(w.surface.size(), 2u);
  EXPECT_DOUBLE_EQ(w.surface[0].x, -4.0);
  EXPECT_DOUBLE_EQ(w.surface[1].x, 1.5);  // on the 45 degree stretch
  EXPECT_DOUBLE_EQ(w.surface[1].y, 1.5);
  // Floor, surface, then down the leaf to the hinge.
  ASSERT_EQ(w.area.size(), 4u);
  EXPECT_DOUBLE_EQ(w.area[0].y, 0.4);  // the floor at x = -4
  EXPECT_DOUBLE_EQ(w.area[3].x, 0.0);
  EXPECT_DOUBLE_EQ(w.area[3].y, 0.0);
}

TEST(UpstreamWater, AFloorRisingUpstreamEndsTheWaterWhereItLeavesIt) {
  const WaterBody w = upstream_water(section(0.3, 0.2), -10.0);
  EXPECT_DOUBLE_EQ(w.surface.front().x, -3.0);  // -0.1 * x = 0.3
  EXPECT_DOUBLE_EQ(w.area.front().y, 0.3);
}

TEST(UpstreamWater, OverflowFollowsTheSurfaceFileToTheTip) {
  const WaterBody w = upstream_water(section(2.4, 0.2), -4.0);
  ASSERT_EQ(w.surface.size(), 4u);
  EXPECT_DOUBLE_EQ(w.surface[0].y, 2.4);
  EXPECT_DOUBLE_EQ(w.surface[3].x, 3.0);
  EXPECT_DOUBLE_EQ(w.surface[3].y, 2.1);
  // Back along all three leaf nodes.
  EXPECT_EQ(w.area.size(), 1u + 4u + 3u);
}

TEST(UpstreamWater, NoneAtOrBelowTheHinge) {
  EXPECT_TRUE(upstream_water(section(0.0, 0.2), -4.0).area.empty());
  EXPECT_TRUE(upstream_water(section(-0.5, 0.2), -4.0).surface.empty());
}

TEST(DownstreamWater, AboveTheHingeItsSurfaceShowsFromTheBagsFace) {
  const WaterBody w = downstream_water(section(1.5, 0.2), 5.0);
  ASSERT_EQ(w.surface.size(), 2u);
  EXPECT_DOUBLE_EQ(w.surface[0].x, 1.0);  // the bag's face, not the leaf at 0.2
  EXPECT_DOUBLE_EQ(w.surface[1].x, 5.0);
  // The area itself reaches the leaf: hinge, leaf crossing, out, down.
  ASSERT_EQ(w.area.size(), 4u);
  EXPECT_DOUBLE_EQ(w.area[1].x, 0.2);
  EXPECT_DOUBLE_EQ(w.area[3].y, -0.5);
}

TEST(DownstreamWater, BelowTheHingeItStartsWhereTheFloorFallsThroughIt) {
  const WaterBody w = downstream_water(section(1.5, -0.2), 5.0);
  ASSERT_EQ(w.surface.size(), 2u);
  EXPECT_DOUBLE_EQ(w.surface[0].x, 2.0);
  EXPECT_EQ(w.area.size(), 3u);
  // Beyond the drawn stretch, or on a floor that does not fall: none.
  EXPECT_TRUE(downstream_water(section(1.5, -0.2), 1.5).area.empty());
  RunResults flat = section(1.5, -0.2);
  flat.floor_slope = 0.0;
  EXPECT_TRUE(downstream_water(flat, 5.0).area.empty());
}

}  // namespace
}  // namespace plot
}  // namespace tqweir
