// Laying the profile out in the section frame.
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "input/profile_reader.h"

namespace {

using tqweir::lay_out_profile;
using tqweir::LeafProfile;

const double kPi = 3.141592654;  // angle inputs are converted with it
const double kDeg = kPi / 180;

TEST(ProfileLayout, TurnsTheProfileRigidlyAboutItsFirstPoint) {
  const double theta1 = 30 * kPi / 180;
  const LeafProfile leaf = lay_out_profile({{0, 0}, {1, 0}, {2, 1}}, theta1);
  ASSERT_EQ(leaf.node_count, 3);
  EXPECT_EQ(leaf.last_node, 2);
  EXPECT_EQ(leaf.node_x[0], 0.0);
  EXPECT_EQ(leaf.node_y[0], 0.0);
  EXPECT_NEAR(leaf.node_x[1], std::cos(30 * kDeg), 1e-12);
  EXPECT_NEAR(leaf.node_y[1], std::sin(30 * kDeg), 1e-12);
  // Segment 2 turns by +45 degrees against segment 1.
  EXPECT_EQ(leaf.seg_angle[1], theta1);
  EXPECT_NEAR(leaf.seg_angle[2], 75 * kDeg, 1e-9);
  EXPECT_NEAR(leaf.seg_length[2], std::sqrt(2.0), 1e-15);
  EXPECT_NEAR(leaf.node_x[2], leaf.node_x[1] + std::sqrt(2.0) * std::cos(75 * kDeg), 1e-9);
  EXPECT_NEAR(leaf.node_y[2], leaf.node_y[1] + std::sqrt(2.0) * std::sin(75 * kDeg), 1e-9);
  EXPECT_EQ(leaf.crest_height, leaf.node_y[2]);
  EXPECT_EQ(leaf.crest_x, leaf.node_x[2]);
  EXPECT_EQ(leaf.tip_x, leaf.node_x[2]);
}

TEST(ProfileLayout, KeepsLengthsAndTurnsOfABentProfile) {
  // A hinge away from the origin and a profile that is not level at first:
  // only the first segment's direction changes.
  const std::vector<tqweir::ProfilePoint> points = {{1, 2}, {2, 3}, {2.5, 3.2}, {4, 2.9}, {5, 3.4}};
  const double theta1 = 0.4;
  const LeafProfile leaf = lay_out_profile(points, theta1);
  EXPECT_EQ(leaf.node_x[0], 1.0);
  EXPECT_EQ(leaf.node_y[0], 2.0);
  for (int i = 1; i < 5; ++i) {
    const double dx = points[i].x - points[i - 1].x;
    const double dy = points[i].y - points[i - 1].y;
    const double turn = std::atan2(dy, dx) - std::atan2(points[1].y - points[0].y, 1.0);
    EXPECT_NEAR(std::hypot(leaf.node_x[i] - leaf.node_x[i - 1], leaf.node_y[i] - leaf.node_y[i - 1]),
                std::hypot(dx, dy), 1e-12) << i;
    EXPECT_NEAR(leaf.seg_angle[i], theta1 + turn, 1e-12) << i;
  }
}

TEST(ProfileLayout, VerticalInputSegmentsUseAQuarterTurn) {
  const LeafProfile rising = lay_out_profile({{0, 0}, {1, 0}, {1, 1}}, 0.3);
  EXPECT_NEAR(rising.seg_angle[2], 0.3 + std::acos(-1.0) / 2, 1e-15);
  const LeafProfile falling = lay_out_profile({{0, 0}, {1, 0}, {1, -1}}, 0.3);
  EXPECT_NEAR(falling.seg_angle[2], 0.3 - std::acos(-1.0) / 2, 1e-15);
}

TEST(ProfileLayout, SegmentRunningBackIsLaidOutReversed) {
  // Only the slope enters: (1,0) -> (0,1) has the slope of (1,0) -> (2,-1).
  const LeafProfile leaf = lay_out_profile({{0, 0}, {1, 0}, {0, 1}}, 0.0);
  EXPECT_NEAR(leaf.node_x[2], 2.0, 1e-12);
  EXPECT_NEAR(leaf.node_y[2], -1.0, 1e-12);
}

TEST(ProfileLayout, CrestIsTheLaterOfEqualHighestNodes) {
  // Leaf angle 0 keeps the level nodes exactly level.
  const LeafProfile level = lay_out_profile({{0, 0}, {1, 0}, {2, 0}}, 0.0);
  EXPECT_EQ(level.crest_height, 0.0);
  EXPECT_EQ(level.crest_x, 2.0);
  const LeafProfile dip = lay_out_profile({{0, 0}, {1, 0}, {2, -1}}, 0.0);
  EXPECT_EQ(dip.crest_height, 0.0);
  EXPECT_EQ(dip.crest_x, 1.0);
  EXPECT_EQ(dip.tip_x, dip.node_x[2]);
}

TEST(ProfileLayout, FirstNodeHighestIsTheCrest) {
  const LeafProfile leaf = lay_out_profile({{0.5, 0.25}, {1.5, 0.25}, {3, 0.5}}, -0.3);
  EXPECT_EQ(leaf.crest_height, 0.25);
  EXPECT_EQ(leaf.crest_x, 0.5);
  // The tip is the last node, not the highest one.
  EXPECT_EQ(leaf.tip_x, leaf.node_x[2]);
  EXPECT_GT(leaf.tip_x, leaf.node_x[1]);
}

}  // namespace
