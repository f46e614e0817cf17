// The one-line summary TQSpec.csv.
#include "output/summary.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "input/derived_quantities.h"
#include "support/csv_rows.h"

namespace {

using tqweir::RunState;

// A state whose every printed quantity has its own recognisable value.
RunState distinct_state() {
  RunState state;
  state.syogen.span = 10;
  state.syogen.stopper_multiplier = 1;
  state.syogen.theta2_deg = 5;
  state.syogen.discharge_coefficient = 1;
  auto& p = state.parameter;
  p.overflow_mode = 3;
  p.upstream_level = 1.5;
  p.hd_nd = 0.0;          // floored to 1e-05
  p.layer_level = 12.25;
  p.air_temperature = 15;  // the reference temperature
  p.theta1_deg = 0.5;     // clamped to 1.0
  p.tip_moment = 2;
  p.perimeter = 3;
  p.stopper_tension = 10;
  state.derived = tqweir::derive_quantities(state.syogen, p);
  state.profile.crest_height = 2.3;
  state.perimeter = 3;
  auto& t = state.trial;
  t.bag.hd_rel = -0.5;
  t.bag.width_factor = 1.0421;
  t.balance.support_force = 1234500;
  t.bag.bag_height = 0.72;
  t.bag.chord1_m = 0.111;
  t.bag.chord2_m = 0.222;
  t.bag.bag_pressure = 200000;
  t.bag.bag_tension = 14000;
  t.balance.tension_pull = 25000;
  t.bag.bag_force2 = 5000;
  t.upstream.overflow_depth = 0.0;
  state.trial.alpha = 29.0574;
  state.bisection.stopper_base_angle_deg = 60.5;
  return state;
}

TEST(Summary, FieldsInOrderWithTheirWidths) {
  const auto summary = tqweir::make_summary(distinct_state(), 0.333);
  EXPECT_EQ(summary.text,
            "3, 1.500,-0.500, 0.000,12.250, 1.042,15.000,"
            " 1.000, 2.300, 2.000,1234.500,"
            " 3.000, 0.720, 0.111, 0.222, 0.333, 0.200,29.057,"
            " 0.990,14.000,25.000,-2.250, 5.000,"
            "10.000,60.500,"
            "     0.000, 1.000");
  EXPECT_EQ(tqweir_test::fields(summary.text).size(), 27u);
  EXPECT_TRUE(summary.all_finite);
}

TEST(Summary, PressureIsRestatedAtTheAirTemperature) {
  RunState state = distinct_state();
  state.parameter.air_temperature = 20;
  state.derived = tqweir::derive_quantities(state.syogen, state.parameter);
  const auto summary = tqweir::make_summary(state, 0.333);
  // (293 / 288) (200000 + 101325) - 101325 Pa.
  EXPECT_NEAR(summary.pressure_at_temperature, 205231.337, 1e-3);
  EXPECT_EQ(tqweir_test::fields(summary.text)[16], " 0.205");
}

TEST(Summary, DischargeOfTheOverflowingHead) {
  RunState state = distinct_state();
  state.trial.upstream.overflow_depth = 0.25;
  state.syogen.discharge_coefficient = 2;
  const auto summary = tqweir::make_summary(state, 0.333);
  const auto f = tqweir_test::fields(summary.text);
  EXPECT_EQ(f[25], "     0.250");  // 2 * 0.25^1.5
  EXPECT_EQ(f[26], " 2.000");
  EXPECT_EQ(summary.text.back(), '0');  // no line end
}

TEST(Summary, NonFiniteFieldIsFlagged) {
  RunState state = distinct_state();
  state.trial.bag.width_factor = -std::numeric_limits<double>::infinity();
  EXPECT_FALSE(tqweir::make_summary(state, 0.333).all_finite);
  EXPECT_FALSE(tqweir::make_summary(distinct_state(), std::nan("")).all_finite);
}

}  // namespace
