// Still-water load on the leaf polyline up to a level.
#include "section/level_load.h"

#include <cmath>

#include <gtest/gtest.h>

#include "support/test_cases.h"

namespace {

using tqweir::Load;
using tqweir::level_load;
using tqweir_test::leaf_from_nodes;

void expect_load(const Load& load, double load_v, double arm_x, double load_h, double arm_y) {
  EXPECT_NEAR(load.load_v, load_v, 1e-9 * (1 + std::fabs(load_v)));
  EXPECT_NEAR(load.arm_x, arm_x, 1e-12);
  EXPECT_NEAR(load.load_h, load_h, 1e-9 * (1 + std::fabs(load_h)));
  EXPECT_NEAR(load.arm_y, arm_y, 1e-12);
}

TEST(LevelLoad, StraightLeafWorkedExamples) {
  const auto leaf = leaf_from_nodes({{0, 0}, {1, 1}});
  // Wholly submerged: the trapezoid of depths 2 and 1, centroid 4/9 from
  // the hinge in both directions.
  expect_load(level_load(leaf, 2.0, 10000, 10000), 15000, 4.0 / 9, 15000, 4.0 / 9);
  // Cut at 0.5: the triangle of depth 0.5 over the wetted half.
  expect_load(level_load(leaf, 0.5, 10000, 10000), 1250, 1.0 / 6, 1250, 1.0 / 6);
  // A flatter leaf cut at 0.5: the wetted run (1) and rise (0.5) differ.
  expect_load(level_load(leaf_from_nodes({{0, 0}, {2, 1}}), 0.5, 10000, 10000), 2500, 1.0 / 3,
              1250, 1.0 / 6);
  // Each component takes its own unit weight.
  expect_load(level_load(leaf, 2.0, 9800, 12000), 1.5 * 9800, 4.0 / 9, 1.5 * 12000, 4.0 / 9);
}

TEST(LevelLoad, NodeExactlyOnTheLevel) {
  // End node on the level: a cut segment (the triangle of depth 1);
  // start node on the level: nothing.
  const Load cut = level_load(leaf_from_nodes({{0, 0}, {1, 1}}), 1.0, 10000, 10000);
  expect_load(cut, 5000, 1.0 / 3, 5000, 1.0 / 3);
  expect_load(level_load(leaf_from_nodes({{0, 0}, {1, 1}, {2, 2}}), 1.0, 10000, 10000),
              5000, 1.0 / 3, 5000, 1.0 / 3);
  expect_load(level_load(leaf_from_nodes({{0, 1}, {1, 2}}), 1.0, 10000, 10000), 0, 0, 0, 0);
}

TEST(LevelLoad, LowerLimitTestsOnlyEachSegmentsEndNode) {
  const auto leaf = leaf_from_nodes({{0, 0}, {1, 0.4}, {2, 1.2}});
  const Load full = level_load(leaf, 2.0, 10000, 10000);
  // Segment 1 ends below 0.5 and is skipped; segment 2 ends above it and
  // counts over its whole length, from 0.4 up, without a cut at 0.5.
  const Load upper_segment = level_load(leaf_from_nodes({{1, 0.4}, {2, 1.2}}), 2.0, 10000, 10000);
  const Load limited = level_load(leaf, 2.0, 10000, 10000, true, 0.5);
  expect_load(limited, upper_segment.load_v, upper_segment.arm_x, upper_segment.load_h,
              upper_segment.arm_y);
  // A limit level with an end node still counts that segment.
  const Load at_node = level_load(leaf, 2.0, 10000, 10000, true, 0.4);
  expect_load(at_node, full.load_v, full.arm_x, full.load_h, full.arm_y);
  expect_load(level_load(leaf, 2.0, 10000, 10000, true, 1.3), 0, 0, 0, 0);
}

TEST(LevelLoad, UnloadedDirectionGetsArmZeroNotNaN) {
  // A vertical leaf has no vertical load; a dry leaf has none at all.
  const Load vertical = level_load(leaf_from_nodes({{0, 0}, {0, 1}}), 2.0, 10000, 10000);
  expect_load(vertical, 0, 0, 15000, 4.0 / 9);
  const Load level = level_load(leaf_from_nodes({{0, 0.5}, {1, 0.5}}), 2.0, 10000, 10000);
  expect_load(level, 15000, 0.5, 0, 0);
  expect_load(level_load(leaf_from_nodes({{0, 0}, {1, 1}}), -0.5, 10000, 10000), 0, 0, 0, 0);
}

TEST(LevelLoad, SegmentRunningBackGivesANegativeVerticalArea) {
  // The leaf bends back over itself: the overhang's water counts negative,
  // as the signs of the projections give it.
  const auto leaf = leaf_from_nodes({{0, 0}, {1, 1}, {0.5, 1.5}});
  const Load load = level_load(leaf, 2.0, 1, 1);
  const double back = (1.0 + 0.5) * -0.5 * 0.5;  // depths 1 and 0.5 over a run of -0.5
  EXPECT_NEAR(load.load_v, 1.5 + back, 1e-12);
  EXPECT_NEAR(load.load_h, 1.5 + (1.0 + 0.5) * 0.5 * 0.5, 1e-12);
}

}  // namespace
