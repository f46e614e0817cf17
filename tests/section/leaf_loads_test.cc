// Downstream water and second-layer loads on the leaf.
#include "section/leaf_loads.h"

#include <cmath>

#include <gtest/gtest.h>

#include "section/level_load.h"
#include "support/test_cases.h"

namespace {

using tqweir::RunState;
using tqweir_test::leaf_from_nodes;

// A leaf from the hinge to (1, 1) at 45 degrees, water and layer of
// different unit weights, every load result holding a stale value.
RunState straight_leaf_state() {
  RunState state;
  state.profile = leaf_from_nodes({{0, 0}, {1, 1}});
  state.derived.theta1 = std::atan(1.0);
  state.syogen.water_unit_weight = 9800;
  state.syogen.layer_unit_weight = 12000;
  state.trial.bag.chord1_m = 0.2;
  for (double* v : {&state.trial.loads.downstream.load_v, &state.trial.loads.downstream.arm_x, &state.trial.loads.downstream.load_h,
                    &state.trial.loads.downstream.arm_y, &state.trial.loads.layer.load_v, &state.trial.loads.layer.arm_x,
                    &state.trial.loads.layer.load_h, &state.trial.loads.layer.arm_y}) {
    *v = 99.0;
  }
  return state;
}

TEST(LeafLoads, DownstreamWaterAtOrBelowTheBagContactLoadsNothing) {
  RunState state = straight_leaf_state();
  const double contact = std::sin(state.derived.theta1) * state.trial.bag.chord1_m;
  for (double hd : {0.0, contact / 2, contact}) {
    state.trial.bag.Hd = hd;
    state.trial.loads = tqweir::compute_leaf_loads(state, state.trial.bag);
    EXPECT_EQ(state.trial.loads.contact_height, contact);
    EXPECT_EQ(state.trial.loads.downstream.load_v, 0.0) << hd;
    EXPECT_EQ(state.trial.loads.downstream.arm_x, 0.0) << hd;
    EXPECT_EQ(state.trial.loads.downstream.load_h, 0.0) << hd;
    EXPECT_EQ(state.trial.loads.downstream.arm_y, 0.0) << hd;
  }
}

TEST(LeafLoads, DownstreamWaterAboveTheContactTakesWaterAndLayerUnitWeights) {
  RunState state = straight_leaf_state();
  state.trial.bag.Hd = 2.0;
  state.trial.loads = tqweir::compute_leaf_loads(state, state.trial.bag);
  // The segment ends above the contact and counts in full (depths 2 and 1).
  EXPECT_NEAR(state.trial.loads.downstream.load_v, 1.5 * 9800, 1e-9);
  EXPECT_NEAR(state.trial.loads.downstream.arm_x, 4.0 / 9, 1e-12);
  EXPECT_NEAR(state.trial.loads.downstream.load_h, 1.5 * 12000, 1e-9);
  EXPECT_NEAR(state.trial.loads.downstream.arm_y, 4.0 / 9, 1e-12);
}

TEST(LeafLoads, DownstreamWaterSkipsSegmentsEndingBelowTheContact) {
  RunState state = straight_leaf_state();
  state.profile = leaf_from_nodes({{0, 0}, {1, 0.4}, {2, 1.2}});
  state.trial.bag.chord1_m = 0.5 / std::sin(state.derived.theta1);  // contact at height 0.5
  state.trial.bag.Hd = 2.0;
  state.trial.loads = tqweir::compute_leaf_loads(state, state.trial.bag);
  const auto upper = tqweir::level_load(leaf_from_nodes({{1, 0.4}, {2, 1.2}}), 2.0, 9800, 12000);
  EXPECT_NEAR(state.trial.loads.downstream.load_v, upper.load_v, 1e-9);
  EXPECT_NEAR(state.trial.loads.downstream.load_h, upper.load_h, 1e-9);
  EXPECT_NEAR(state.trial.loads.downstream.arm_x, upper.arm_x, 1e-12);
}

TEST(LeafLoads, SecondLayerActsOnlyAtAPositiveLevel) {
  RunState state = straight_leaf_state();
  for (double level : {0.0, -1.0}) {
    state.parameter.layer_level = level;
    state.trial.loads = tqweir::compute_leaf_loads(state, state.trial.bag);
    EXPECT_EQ(state.trial.loads.layer.load_v, 0.0) << level;
    EXPECT_EQ(state.trial.loads.layer.arm_x, 0.0) << level;
    EXPECT_EQ(state.trial.loads.layer.load_h, 0.0) << level;
    EXPECT_EQ(state.trial.loads.layer.arm_y, 0.0) << level;
  }
  state.parameter.layer_level = 2.0;
  state.trial.loads = tqweir::compute_leaf_loads(state, state.trial.bag);
  EXPECT_NEAR(state.trial.loads.layer.load_v, 1.5 * 12000, 1e-9);
  EXPECT_NEAR(state.trial.loads.layer.load_h, 1.5 * 12000, 1e-9);
  EXPECT_NEAR(state.trial.loads.layer.arm_x, 4.0 / 9, 1e-12);
  EXPECT_NEAR(state.trial.loads.layer.arm_y, 4.0 / 9, 1e-12);
}

}  // namespace
