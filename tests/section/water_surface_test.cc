// The upstream water surface file and the upstream load found on the way.
#include "section/water_surface.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "output/surface_file.h"
#include "section/level_load.h"
#include "support/csv_rows.h"
#include "support/test_cases.h"

namespace {

using tqweir::RunState;
using tqweir_test::crlf_rows;
using tqweir_test::leaf_from_nodes;

RunState surface_state(const std::vector<std::pair<double, double>>& nodes, double level, int mode) {
  RunState state;
  state.profile = leaf_from_nodes(nodes);
  state.parameter.upstream_level = level;
  state.parameter.overflow_mode = mode;
  state.syogen.water_unit_weight = 9800;
  return state;
}

// The surface file's rows for `state`, its upstream water filed in the trial.
std::string surface_rows(RunState& state) {
  const tqweir::WaterSurface surface = tqweir::build_water_surface(tqweir::surface_input(state));
  state.trial.upstream = surface.upstream;
  return tqweir::surface_file(surface);
}

TEST(WaterSurface, LevelSurfaceOverAStraightLeaf) {
  RunState state = surface_state({{0, 0}, {1, 1}}, 2.0, 1);
  EXPECT_EQ(surface_rows(state),
            "0.00000000,2.00000000,2.00000000,0.00000000\r\n"
            "1.00000000,2.00000000,1.00000000,1.00000000\r\n");
  EXPECT_EQ(state.trial.upstream.overflow_depth, 1.0);
  EXPECT_NEAR(state.trial.upstream.load.load_v, 1.5 * 9800, 1e-9);
  EXPECT_NEAR(state.trial.upstream.load.arm_x, 4.0 / 9, 1e-12);
  EXPECT_NEAR(state.trial.upstream.load.load_h, 1.5 * 9800, 1e-9);
  EXPECT_NEAR(state.trial.upstream.load.arm_y, 4.0 / 9, 1e-12);
}

TEST(WaterSurface, StraightDrawdownFallsToTwoThirdsOfTheHeadAtTheTip) {
  RunState state = surface_state({{0, 0}, {1, 1}}, 2.0, 2);
  EXPECT_EQ(surface_rows(state),
            "0.00000000,2.00000000,2.00000000,0.00000000\r\n"
            "1.00000000,1.66666667,0.66666667,1.00000000\r\n");
  // The trapezoid of depths 2 and 2/3 over a run of 1.
  EXPECT_NEAR(state.trial.upstream.load.load_v, (2 + 2.0 / 3) / 2 * 9800, 1e-9);
}

TEST(WaterSurface, CriticalFlowOverAStraightLeaf) {
  RunState state = surface_state({{0, 0}, {1, 1}}, 2.0, 3);
  const auto rows = crlf_rows(surface_rows(state));
  ASSERT_EQ(rows.size(), 11u);  // a run of at least tip_x / 5: ten pieces
  EXPECT_EQ(rows[0], "0.00000000,1.96150716,1.96150716,0.00000000");
  EXPECT_EQ(rows[1], "0.10000000,1.95709229,1.85709229,0.10000000");
  EXPECT_EQ(rows[10], "1.00000000,1.66666667,0.66666667,1.00000000");
}

TEST(WaterSurface, CriticalFlowPassesTheCrestAndTurnsSupercritical) {
  RunState state = surface_state({{0, 0}, {1, 1}, {1.5, 0.9}}, 1.5, 3);
  const auto rows = crlf_rows(surface_rows(state));
  ASSERT_EQ(rows.size(), 22u);
  // The inner node is written at the end of segment 1 and again at the
  // start of segment 2.
  EXPECT_EQ(rows[10], "1.00000000,1.33333333,0.33333333,1.00000000");
  EXPECT_EQ(rows[11], rows[10]);
  EXPECT_EQ(rows[12], "1.05000000,1.28036458,0.29036458,0.99000000");
  // Upstream of the crest the depth lies between the critical depth and the
  // still-water depth, downstream between 0 and the critical depth.
  const double critical = 0.5 * 2 / 3;
  for (const std::string& row : rows) {
    const auto v = tqweir_test::numbers(row);
    if (v[0] <= 1.0) {
      EXPECT_GE(v[2], critical - 5e-9) << row;
      EXPECT_LE(v[2], 1.5 - v[3] + 5e-9) << row;
    } else {
      EXPECT_GT(v[2], 0.0) << row;
      EXPECT_LE(v[2], critical + 5e-9) << row;
    }
  }
}

TEST(WaterSurface, CriticalFlowCutsSegmentsByTheirRun) {
  // tip_x 12.5: runs of at least 2.5 get ten pieces, from 0.25 up five,
  // shorter ones one.
  RunState state = surface_state({{0, 0}, {2.5, 0.5}, {2.75, 0.6}, {2.875, 0.62}, {12.5, 0.3}},
                                 1.0, 3);
  EXPECT_EQ(crlf_rows(surface_rows(state)).size(), 11u + 6u + 2u + 11u);
  state = surface_state({{0, 0}, {2.4, 0.5}, {2.6, 0.6}, {12.5, 0.3}}, 1.0, 3);
  EXPECT_EQ(crlf_rows(surface_rows(state)).size(), 6u + 2u + 11u);
}

TEST(WaterSurface, WaterExactlyAtTheCrestOverflowsWithoutDepth) {
  // Head 0: downstream of the crest the depth is 0, upstream the still
  // water's; nothing may come out as not-a-number.
  RunState state = surface_state({{0, 0}, {1, 1}, {1.5, 0.9}}, 1.0, 3);
  const std::string text = surface_rows(state);
  EXPECT_EQ(text.find("nan"), std::string::npos);
  EXPECT_EQ(state.trial.upstream.overflow_depth, 0.0);
  const auto rows = crlf_rows(text);
  ASSERT_EQ(rows.size(), 22u);
  for (const std::string& row : rows) {
    const auto f = tqweir_test::fields(row);
    const auto v = tqweir_test::numbers(row);
    if (v[0] > 1.0) {
      EXPECT_EQ(f[2], "0.00000000") << row;
    } else {
      EXPECT_NEAR(v[2], 1.0 - v[3], 5e-05) << row;
    }
  }
  EXPECT_TRUE(std::isfinite(state.trial.upstream.load.load_v));
  EXPECT_TRUE(std::isfinite(state.trial.upstream.load.arm_x));
  EXPECT_TRUE(std::isfinite(state.trial.upstream.load.load_h));
  EXPECT_TRUE(std::isfinite(state.trial.upstream.load.arm_y));

  // The level model at the crest takes the overflow regime as well.
  RunState level = surface_state({{0, 0}, {1, 1}, {1.5, 0.9}}, 1.0, 1);
  EXPECT_EQ(crlf_rows(surface_rows(level)).size(), 3u);
}

TEST(WaterSurface, StillWaterBelowTheCrestWritesTheWettedNodes) {
  // The leaf leaves the water between nodes 2 and 3, dips under it at node
  // 4, rises out again and comes back down after node 5. Where it leaves
  // the water a dry row repeats the last node written, which after the dip
  // is still node 2 (node 4 was never written: its segment started dry).
  const std::vector<std::pair<double, double>> nodes = {{0, 0},   {1, 0.2},   {2, 0.4}, {3, 1.0},
                                                        {4, 0.5}, {5, 0.9}, {6, 0.3}, {7, 0.1}};
  RunState state = surface_state(nodes, 0.6, 1);
  EXPECT_EQ(surface_rows(state),
            "0.00000000,0.60000000,0.60000000,0.00000000\r\n"
            "1.00000000,0.60000000,0.40000000,0.20000000\r\n"
            "2.00000000,0.60000000,0.20000000,0.40000000\r\n"
            "2.00000000,0.40000000,0.00000000,0.40000000\r\n"
            "2.00000000,0.40000000,0.00000000,0.40000000\r\n"
            "7.00000000,0.60000000,0.50000000,0.10000000\r\n");
  EXPECT_EQ(state.trial.upstream.overflow_depth, 0.0);
  const auto still = tqweir::level_load(state.profile, 0.6, 9800, 9800);
  EXPECT_EQ(state.trial.upstream.load.load_v, still.load_v);
  EXPECT_EQ(state.trial.upstream.load.arm_x, still.arm_x);
  EXPECT_EQ(state.trial.upstream.load.load_h, still.load_h);
  EXPECT_EQ(state.trial.upstream.load.arm_y, still.arm_y);
}

TEST(WaterSurface, NodeExactlyAtTheStillWaterLevelIsDry) {
  // A node on the water line is not under water: the segment up to it
  // ends the wetted rows with a dry row at the last wet node.
  RunState state = surface_state({{0, 0}, {1, 0.6}, {2, 1.0}}, 0.6, 1);
  EXPECT_EQ(surface_rows(state),
            "0.00000000,0.60000000,0.60000000,0.00000000\r\n"
            "0.00000000,0.00000000,0.00000000,0.00000000\r\n");
}

}  // namespace
