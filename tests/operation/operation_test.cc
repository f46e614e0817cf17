// The exhaust's flow against the nozzle written through its throat Mach
// number, the path's folds on a case whose loads jump with the angle, the
// times' scaling, and operation.csv's refusals.
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/constants.h"
#include "operation/gate_operation.h"
#include "operation/orifice_flow.h"
#include "support/test_cases.h"
#include "text/input_error.h"

namespace tqweir_test {
namespace {

using namespace tqweir::operation;

// Free-air flow through 1 m^2 from the throat Mach number M (1 when
// choked): mass flow p0 sqrt(gamma / (R T0)) M (1 + (gamma-1)/2 M^2)^(-(gamma+1)/(2(gamma-1))),
// the isentropic nozzle in the form of Anderson, Modern Compressible Flow
// (eq. 5.21 with the area-Mach relation), counted at p_atm and T0.
double nozzle_by_mach(double p0, double t0) {
  const double g = 1.4, r_gas = 287.05, p_atm = 101325.0;
  const double ratio = p_atm / p0;
  double m2 = 2.0 / (g - 1.0) * (std::pow(ratio, -(g - 1.0) / g) - 1.0);
  if (m2 > 1.0) m2 = 1.0;
  const double m = std::sqrt(m2);
  const double mass = p0 * std::sqrt(g / (r_gas * t0)) * m *
                      std::pow(1.0 + (g - 1.0) / 2.0 * m2, -(g + 1.0) / (2.0 * (g - 1.0)));
  return mass * r_gas * t0 / p_atm;
}

TEST(OrificeFlow, EqualsTheIsentropicNozzleOnBothBranches) {
  EXPECT_NEAR(critical_pressure_ratio(), 0.528282, 1e-6);
  const double t0 = 288.0;
  // Pressure ratios p_atm / p_abs from nearly 1 through the critical one to deep choking.
  for (double ratio : {0.99, 0.9, 0.7, 0.55, 0.5283, 0.528, 0.5, 0.3, 0.1}) {
    const double p0 = 101325.0 / ratio;
    EXPECT_NEAR(exhaust_flow_per_area(p0, t0), nozzle_by_mach(p0, t0), 1e-12 * nozzle_by_mach(p0, t0))
        << "ratio " << ratio;
    EXPECT_EQ(is_choked(p0), ratio < 0.528282) << ratio;
  }
  EXPECT_EQ(exhaust_flow_per_area(101325.0, t0), 0.0);
  EXPECT_EQ(exhaust_flow_per_area(90000.0, t0), 0.0);
}

// The standard case with tailwater at 0.9 bag heights and the water at
// 1.5 m: the loads on the leaf jump near 37.8 degrees, so the air along the
// path turns back there.
tqweir::CaseInput fold_case() {
  tqweir::CaseInput input = standard_case();
  input.parameter.upstream_level = 1.5;
  input.parameter.hd_nd = 0.9;
  return input;
}

OperationFile operation_file(const std::string& text) { return read_operation(text, "operation.csv"); }

const char kOperation[] =
    "valve_area,0.0002\nvalve_coefficient,0.6\nblower_curve,0:1.5 100:1.4 200:1.25 300:0\nlowered_angle,30\n";

TEST(FollowedPath, AFoldIsAFallAtConstantAirAndTheLeafNeverClimbsTheTurn) {
  const OperationFile file = operation_file(kOperation);
  const GateOperation lower = lower_gate(fold_case(), file);
  ASSERT_EQ(lower.followed.folds.size(), 1u);
  const Fold& fall = lower.followed.folds[0];
  EXPECT_NEAR(fall.from.theta1_deg, 37.8, 0.05);
  EXPECT_NEAR(fall.to.theta1_deg, 36.4, 0.1);
  EXPECT_NEAR(fall.to.air, fall.from.air, 1e-4 * fall.from.air);
  // Lowering lets air out only: along the states followed the air never rises.
  const auto& states = lower.followed.states;
  for (std::size_t k = 1; k < states.size(); ++k) {
    EXPECT_LE(states[k].state.air, states[k - 1].state.air + 1e-3 * states[k - 1].state.air) << k;
    EXPECT_LE(lower.timeline.seconds[k - 1], lower.timeline.seconds[k]);
  }
  EXPECT_EQ(states.back().state.theta1_deg, 30.0);
  // Raising, the same turn makes the leaf rise at once, to a higher angle.
  const GateOperation raise = raise_gate(fold_case(), file);
  ASSERT_EQ(raise.followed.folds.size(), 1u);
  EXPECT_NEAR(raise.followed.folds[0].from.theta1_deg, 37.8, 0.05);
  EXPECT_GT(raise.followed.folds[0].to.theta1_deg, 39.0);
}

TEST(QuasiStaticPath, WhereTheModelHasNoStateThePathEndsOnTheLowestStateReached) {
  // A 2 m bag at 3 m of water has no solution below about 3.2 degrees.
  tqweir::CaseInput input = standard_case();
  input.parameter.upstream_level = 3.0;
  input.parameter.perimeter = 2.0;
  const QuasiStaticPath path = quasi_static_path(input, 2.0);
  ASSERT_TRUE(path.stopped);
  EXPECT_EQ(path.stop.result.message, tqweir::Message::no_solution_above);
  const PathState& lowest = path.states.back();
  EXPECT_TRUE(lowest.result.finished);
  EXPECT_GT(lowest.theta1_deg, 3.0);
  EXPECT_LT(lowest.theta1_deg, 3.5);
  EXPECT_NEAR(path.stop.theta1_deg, lowest.theta1_deg, 2e-4);
  EXPECT_LT(path.stop.theta1_deg, lowest.theta1_deg);
}

TEST(OperatingTime, ScalesExactlyWithTheValveAndTheBlower) {
  const OperationFile file = operation_file(kOperation);
  const OperationFile triple = operation_file(
      "valve_area,0.0006\nvalve_coefficient,0.6\nblower_curve,0:4.5 100:4.2 200:3.75 300:0\nlowered_angle,30\n");
  const tqweir::CaseInput input = standard_case();
  const double lower = lower_gate(input, file).timeline.total;
  EXPECT_GT(lower, 0.0);
  EXPECT_NEAR(lower_gate(input, triple).timeline.total * 3.0, lower, 1e-13 * lower);
  const double raise = raise_gate(input, file).timeline.total;
  EXPECT_NEAR(raise_gate(input, triple).timeline.total * 3.0, raise, 1e-13 * raise);
}

TEST(OperatingTime, HalvingThePathsSpacingChangesTheTimeByLessThanATenThousandth) {
  const OperationFile file = operation_file(kOperation);
  PathSettings fine;
  fine.angle_step = 0.25;
  fine.tension_intervals = 16;
  for (const tqweir::CaseInput& input : {standard_case(), fold_case()}) {
    const double coarse = lower_gate(input, file).timeline.total;
    const double halved = lower_gate(input, file, fine).timeline.total;
    EXPECT_NEAR(halved, coarse, 1e-4 * coarse);
    std::printf("lowering %.3f m: %.6f s, halved spacing %.6f s\n", input.parameter.upstream_level,
                coarse, halved);
  }
}

// A followed path of given air (m^3/m) and marks, lowering; each state's
// unit flow rides in its p_abs for the flow model below.
FollowedPath air_path(const std::vector<double>& air, const std::vector<double>& flow,
                      const std::vector<Mark>& marks = {}) {
  FollowedPath path;
  for (std::size_t k = 0; k < air.size(); ++k) {
    FollowedState s;
    s.state.air = air[k];
    s.state.p_abs = flow[k];
    if (k < marks.size()) s.mark = marks[k];
    path.states.push_back(s);
  }
  return path;
}

FlowModel flow_in_p_abs(double scale) {
  FlowModel model;
  model.unit_flow = [](const PathState& s) { return s.p_abs; };
  model.scale = scale;
  return model;
}

TEST(OperatingTime, EachStepIsTheAirOverTheLogarithmicMeanOfItsFlows) {
  // The hand integration of docs/operate.md: 1 m3/m from flow 0.5 to 0.2,
  // a fall at constant air, 0.5 m3/m from 0.25 to 0.05, at scale 2:
  // (1 ln(0.2/0.5)/(0.2-0.5) + 0 + 0.5 ln(0.05/0.25)/(0.05-0.25)) / 2.
  const FollowedPath path = air_path({3.0, 2.0, 2.0, 1.5}, {0.5, 0.2, 0.25, 0.05},
                                     {Mark::state, Mark::fold_start, Mark::landing, Mark::state});
  const Timeline t = operating_time(path, flow_in_p_abs(2.0));
  EXPECT_NEAR(t.total, 3.5389486103328838, 1e-15);
  EXPECT_NEAR(t.seconds[1], 3.0543024395805167 / 2.0, 1e-15);
  EXPECT_EQ(t.seconds[2], t.seconds[1]);
}

TEST(OperatingTime, TheChangesFromEverySecondStateBoundTheErrorAndEveryStepIsCompared) {
  // The flow the square of the air, from 2 to 1 m3/m: the time is 1/1 - 1/2.
  const std::vector<double> air{2.0, 1.75, 1.5, 1.25, 1.0};
  std::vector<double> flow;
  for (double a : air) flow.push_back(a * a);
  const FollowedPath path = air_path(air, flow);
  TimeRefinement loose;
  loose.tolerance = 1.0;
  const Timeline coarse = operating_time(path, flow_in_p_abs(1.0), loose);
  EXPECT_GE(coarse.change, std::fabs(coarse.total - 0.5));
  EXPECT_TRUE(coarse.accurate);
  // A step of its own, with no state to halve it, is not compared: its
  // time is not determined however loose the tolerance.
  EXPECT_FALSE(operating_time(air_path({2.0, 1.0}, {4.0, 1.0}), flow_in_p_abs(1.0), loose).accurate);
  // Halved where needed until within 1e-3: the changes still bound the error.
  TimeRefinement halving;
  halving.halfway = [](const PathState& a, const PathState& b) {
    PathState m;
    m.air = (a.air + b.air) / 2.0;
    m.p_abs = m.air * m.air;
    return std::optional<PathState>(m);
  };
  const Timeline fine = operating_time(path, flow_in_p_abs(1.0), halving);
  EXPECT_TRUE(fine.accurate);
  EXPECT_GT(fine.states_between, 0);
  EXPECT_LE(fine.change, 1e-3 * fine.total);
  EXPECT_GE(fine.change, std::fabs(fine.total - 0.5));
  // A halved stretch is done when its last two halvings agree, not one:
  // over 2, 1.5, 1 the changes are 5.4 % and then 1.7 %.
  halving.tolerance = 0.03;
  halving.max_halvings = 1;
  EXPECT_FALSE(operating_time(air_path({2.0, 1.5, 1.0}, {4.0, 2.25, 1.0}), flow_in_p_abs(1.0), halving).accurate);
}

TEST(OperatingTime, NearTheBlowersShutOffTheRaiseIsTheFinePathsTime) {
  // The lowered leaf needs 233.77 kPa, the blower delivers nothing from
  // 233.8: its delivery grows 15-fold over the path's first half degree.
  // Fine paths of 8009 states (0.005 degree) give 45379 s (this form) and
  // 45393 s (trapezoid), 0.02 degree 45356 s: the solve's own fine steps
  // leave about 0.05 % between them.
  const GateOperation raise =
      raise_gate(standard_case(), operation_file("blower_curve,0:1.5 233.8:0\nlowered_angle,5\n"));
  ASSERT_FALSE(raise.blocked);
  EXPECT_TRUE(raise.timeline.accurate);
  EXPECT_NEAR(raise.timeline.total, 45380.0, 1e-3 * 45380.0);
  EXPECT_LE(raise.timeline.change, 1e-3 * raise.timeline.total);
}

TEST(OperatingTime, ABlowerThatEndsBelowThePathsPressureBlocksTheRaise) {
  // From 44 degrees the bag needs about 200 kPa, then, as the stopper
  // tightens at 45 degrees, up to 206 kPa: a curve that ends at 203 kPa
  // raises the leaf but cannot tighten the stopper fully.
  const GateOperation raise = raise_gate(
      standard_case(), operation_file("blower_curve,0:1.5 203:1.2\nlowered_angle,44\n"));
  ASSERT_TRUE(raise.blocked);
  EXPECT_EQ(raise.blocked_at.regime, Regime::stopper);
  EXPECT_NEAR(gauge_kpa(raise.blocked_at), 203.0, 0.1);
  EXPECT_GT(raise.needed_kpa, 205.0);
  EXPECT_GT(raise.blocked_at.stopper_tension, 0.0);
  EXPECT_LT(raise.blocked_at.stopper_tension, 10.0);
}

TEST(BlowerCurve, DeliversAlongItsPointsAndNothingFromItsLimitOn) {
  BlowerCurve curve;
  std::string why;
  std::size_t column = 0;
  ASSERT_TRUE(parse_blower_curve("20:6 100:4  200:0", curve, why, column)) << why;
  EXPECT_EQ(blower_delivery(curve, 0.0), 6.0);  // below the sheet: its first delivery
  EXPECT_EQ(blower_delivery(curve, 60.0), 5.0);
  EXPECT_EQ(blower_delivery(curve, 150.0), 2.0);
  EXPECT_EQ(blower_delivery(curve, 200.0), 0.0);
  EXPECT_EQ(blower_delivery(curve, 250.0), 0.0);
  EXPECT_TRUE(shuts_off(curve));
  // Two deliveries at one pressure: no curve to interpolate.
  EXPECT_FALSE(parse_blower_curve("0:6 100:4 100:3", curve, why, column));
  EXPECT_EQ(column, 11u);
  ASSERT_TRUE(parse_blower_curve("0:6 100:4", curve, why, column));
  EXPECT_EQ(limit_kpa(curve), 100.0);
  EXPECT_FALSE(shuts_off(curve));
}

TEST(OperatingTime, ChokedStretchesEndWhereThePressureCrossesTheThreshold) {
  // Pressures 300, 200, 100 kPa and back to 250 at times 0, 10, 20, 30 s.
  FollowedPath path;
  Timeline timeline;
  const double p[] = {300e3, 200e3, 100e3, 250e3};
  for (int k = 0; k < 4; ++k) {
    FollowedState s;
    s.state.p_abs = p[k];
    path.states.push_back(s);
    timeline.seconds.push_back(10.0 * k);
  }
  const auto stretches = intervals_above(path, timeline, 150e3);
  ASSERT_EQ(stretches.size(), 2u);
  EXPECT_DOUBLE_EQ(stretches[0].first, 0.0);
  EXPECT_DOUBLE_EQ(stretches[0].second, 15.0);
  EXPECT_DOUBLE_EQ(stretches[1].first, 20.0 + 10.0 * 50.0 / 150.0);
  EXPECT_DOUBLE_EQ(stretches[1].second, 30.0);
}

TEST(OperationFile, EveryValueIsCheckedAndRefusedByLineAndColumn) {
  const struct {
    const char* text;
    const char* named;
  } cases[] = {
      {"name,value\nvalve_area,0\n", "operation.csv line 2, column 2 (valve_area)"},
      {"valve_coefficient,nan\n", "line 1, column 2 (valve_coefficient)"},
      {"valve_coefficient,1.5\n", "line 1, column 2 (valve_coefficient): '1.5' is above 1"},
      {"lowered_angle,0.5\n", "line 1, column 2 (lowered_angle): '0.5' is below 1.0"},
      {"valve_area,1\nvalve_area,2\n", "line 2, column 1: 'valve_area' is already given on line 1"},
      {"valve_size,1\n", "line 1, column 1: unknown name 'valve_size'"},
      {"blower_curve,0:5 100:4 90:3\n", "line 1, column 2 (blower_curve), at character 11"},
      {"blower_curve,0:5 100:x\n", "at character 9: 'x' is not a decimal number"},
      {"blower_curve,0:0 100:4\n", "the first pair must deliver more than 0"},
      {"blower_curve,0:5\n", "at least two pairs"},
      {"gates,2.5\n", "line 1, column 2 (gates): '2.5' is not a whole number from 1 to 50"},
      {"gates,51\n", "line 1, column 2 (gates): '51' is not a whole number"},
      {"gates,2\nblowers,3\n", "line 2, column 2 (blowers): 3 blowers for 2 gates"},
      {"gates,2\nlower_at_levels,3 3.1 3.2\n", "line 2, column 2 (lower_at_levels): 3 levels for 2 gates"},
      {"lower_at_levels,3 x\n", "line 1, column 2 (lower_at_levels): 'x' is not"},
      {"backup_lower_at_level,3\nbackup_lower_at_levels,3\n",
       "line 2, column 2 (backup_lower_at_levels): give backup_lower_at_level or"},
      {"gates,2\ntailwater_curve,0:0 9:1\n", "line 2, column 2 (tailwater_curve): a weir of 2 gates"},
  };
  for (const auto& c : cases) {
    try {
      operation_file(c.text);
      ADD_FAILURE() << c.text << " was accepted";
    } catch (const tqweir::text::InputError& e) {
      EXPECT_NE(std::string(e.what()).find(c.named), std::string::npos) << e.what();
    }
  }
  // A lowered angle not below the case's leaf angle is refused by its place.
  try {
    lower_gate(standard_case(), operation_file("valve_area,1\nvalve_coefficient,1\nlowered_angle,45\n"));
    ADD_FAILURE() << "lowered_angle 45 was accepted";
  } catch (const tqweir::text::InputError& e) {
    EXPECT_NE(std::string(e.what()).find("line 3, column 2 (lowered_angle)"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace tqweir_test
