// Stopper placement and the moment balance about the hinge.
#include "section/balance.h"

#include <cmath>

#include <gtest/gtest.h>

#include "input/profile_reader.h"
#include "support/test_cases.h"

namespace {

using tqweir::RunState;

const double kPi = 3.141592654;

// The standard leaf ((0,0), (3,0), (4,0.3) at 45 degrees), stopper foot
// 2.5 m out on a floor falling at 5 degrees, no loads.
RunState bent_leaf_state() {
  RunState state;
  state.derived.theta1 = 45 * kPi / 180;
  state.derived.theta2 = 5 * kPi / 180;
  state.profile = tqweir::lay_out_profile({{0, 0}, {3, 0}, {4, 0.3}}, state.derived.theta1);
  state.syogen.base_distance = 2.5;
  state.trial.bag.width_factor = 1.0;
  return state;
}

void place(RunState& state, double anchor_distance) {
  state.syogen.anchor_distance = anchor_distance;
  state.trial.balance = tqweir::compute_balance(state, state.trial.bag, state.trial.upstream, state.trial.loads);
}

TEST(Balance, AnchorAtOrBeyondTheLeafsLengthIsTheTip) {
  RunState state = bent_leaf_state();
  const auto& leaf = state.profile;
  const double total = leaf.seg_length[1] + leaf.seg_length[2];
  for (double distance : {total, total + 1e-9, 10.0}) {
    place(state, distance);
    EXPECT_EQ(state.trial.balance.anchor_x, leaf.node_x[2]) << distance;
    EXPECT_EQ(state.trial.balance.anchor_y, leaf.node_y[2]) << distance;
  }
}

TEST(Balance, AnchorWalksAlongThePolyline) {
  RunState state = bent_leaf_state();
  const auto& leaf = state.profile;
  // At an inner node's running length: that node, interpolated back from
  // the next one, so only up to rounding.
  place(state, leaf.seg_length[1]);
  EXPECT_NEAR(state.trial.balance.anchor_x, leaf.node_x[1], 1e-12);
  EXPECT_NEAR(state.trial.balance.anchor_y, leaf.node_y[1], 1e-12);
  place(state, 1.5);
  EXPECT_NEAR(state.trial.balance.anchor_x, leaf.node_x[1] / 2, 1e-12);
  EXPECT_NEAR(state.trial.balance.anchor_y, leaf.node_y[1] / 2, 1e-12);
  place(state, 3.5);
  const double f = 0.5 / leaf.seg_length[2];
  EXPECT_NEAR(state.trial.balance.anchor_x, leaf.node_x[1] + f * (leaf.node_x[2] - leaf.node_x[1]), 1e-12);
  EXPECT_NEAR(state.trial.balance.anchor_y, leaf.node_y[1] + f * (leaf.node_y[2] - leaf.node_y[1]), 1e-12);
  // Negative: on the first segment's line before the hinge.
  place(state, -0.5);
  EXPECT_NEAR(state.trial.balance.anchor_x, -0.5 * std::cos(state.derived.theta1), 1e-12);
  EXPECT_NEAR(state.trial.balance.anchor_y, -0.5 * std::sin(state.derived.theta1), 1e-12);
}

TEST(Balance, StopperMomentOnAStraightLeafIsTheForceTimesItsLever) {
  // On a straight leaf the distance along it is the radius, and
  // sin(stopper_angle) * F * distance is the moment |r x F| of a force F
  // pulling from the attachment point toward the foot.
  for (double theta2_deg : {0.0, 10.0, -5.0}) {
    RunState state;
    state.derived.theta1 = std::atan(1.0);
    state.derived.theta2 = theta2_deg * kPi / 180;
    state.profile = tqweir_test::leaf_from_nodes({{0, 0}, {2, 2}});
    state.syogen.anchor_distance = std::sqrt(2.0);  // attachment point (1, 1)
    state.syogen.base_distance = 2.0;
    state.trial.bag.width_factor = 1.0;
    state.trial.balance = tqweir::compute_balance(state, state.trial.bag, state.trial.upstream, state.trial.loads);
    const double without = state.trial.balance.residual;
    const double angle_without = state.trial.balance.stopper_angle;
    state.derived.stopper_force = 5000;
    state.trial.balance = tqweir::compute_balance(state, state.trial.bag, state.trial.upstream, state.trial.loads);
    const double foot_y = -2.0 * std::tan(state.derived.theta2);
    const double ux = 2.0 - 1.0, uy = foot_y - 1.0;
    const double lever = std::fabs(1.0 * uy - 1.0 * ux) / std::hypot(ux, uy);
    EXPECT_NEAR(state.trial.balance.residual - without, 5000 * lever, 1e-6) << theta2_deg;
    // Without a force the angle is formed all the same.
    EXPECT_EQ(state.trial.balance.stopper_angle, angle_without);
  }
}

TEST(Balance, StopperLeverIsTheDistanceAlongTheLeaf) {
  RunState state = bent_leaf_state();
  place(state, 3.5);
  const double without = state.trial.balance.residual;
  state.derived.stopper_force = 4000;
  place(state, 3.5);
  EXPECT_NEAR(state.trial.balance.residual - without, std::sin(state.trial.balance.stopper_angle) * 4000 * 3.5,
              1e-9);
}

TEST(Balance, ZeroStopperForceAddsNothingWhereverItIsAttached) {
  RunState state = bent_leaf_state();
  state.trial.bag.bag_force1 = 30000;
  state.trial.bag.chord1_m = 0.4;
  place(state, 1.0);
  const double near_hinge = state.trial.balance.residual;
  place(state, 3.9);
  EXPECT_EQ(state.trial.balance.residual, near_hinge);
  EXPECT_EQ(near_hinge, -30000 * 0.5 * 0.4);
}

TEST(Balance, EachLoadTurnsTheLeafItsOwnWay) {
  // One load at a time on an otherwise empty balance, width factor 1.25:
  // upstream water, layer and weight count positive and are scaled; the
  // downstream water counts negative and is scaled; the bag's lift counts
  // negative and the tip moment positive, both unscaled.
  struct Case {
    const char* name;
    void (*apply)(RunState&);
    double change;
  };
  const double cos_theta1 = std::cos(45 * kPi / 180);
  const Case cases[] = {
      {"upstream horizontal", [](RunState& s) { s.trial.upstream.load.load_h = 1000; s.trial.upstream.load.arm_y = 0.5; }, 625},
      {"upstream vertical", [](RunState& s) { s.trial.upstream.load.load_v = 1000; s.trial.upstream.load.arm_x = 0.4; }, 500},
      {"downstream horizontal", [](RunState& s) { s.trial.loads.downstream.load_h = 1000; s.trial.loads.downstream.arm_y = 0.5; }, -625},
      {"downstream vertical", [](RunState& s) { s.trial.loads.downstream.load_v = 1000; s.trial.loads.downstream.arm_x = 0.4; }, -500},
      {"layer horizontal", [](RunState& s) { s.trial.loads.layer.load_h = 1000; s.trial.loads.layer.arm_y = 0.2; }, 250},
      {"layer vertical", [](RunState& s) { s.trial.loads.layer.load_v = 1000; s.trial.loads.layer.arm_x = 0.3; }, 375},
      {"leaf weight", [](RunState& s) { s.syogen.leaf_weight = 5000; s.syogen.leaf_weight_arm = 1; },
       cos_theta1 * 5000 * 1.25},
      {"bag", [](RunState& s) { s.trial.bag.bag_force1 = 2000; s.trial.bag.chord1_m = 0.5; }, -500},
      {"tip moment", [](RunState& s) { s.derived.tip_moment_nm = 700; }, 700},
  };
  for (const Case& c : cases) {
    RunState state = bent_leaf_state();
    state.syogen.anchor_distance = 2.0;
    state.trial.bag.width_factor = 1.25;
    c.apply(state);
    state.trial.balance = tqweir::compute_balance(state, state.trial.bag, state.trial.upstream, state.trial.loads);
    EXPECT_NEAR(state.trial.balance.residual, c.change, 1e-9) << c.name;
  }
}
}  // namespace
