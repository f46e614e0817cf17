// Derived quantities of the two input records and the checks before the
// calculation starts.
#include "input/derived_quantities.h"

#include <gtest/gtest.h>

#include "core/stop.h"
#include "support/expect_stop.h"
#include "support/test_cases.h"

namespace {

using tqweir::derive_quantities;
using tqweir::Message;
using tqweir_test::stop_message;

const double kPi = 3.141592654;

TEST(DerivedQuantities, LeafAngleClampReachesOnlyTheDegreeValue) {
  const auto input = tqweir_test::standard_case();
  struct Case { double read, clamped; };
  const Case cases[] = {{45, 45}, {1.5, 1.5}, {1.0, 1.0}, {0.5, 1.0}, {0.0, 1.0}, {-3, 1.0}};
  for (const Case& c : cases) {
    auto parameter = input.parameter;
    parameter.theta1_deg = c.read;
    const auto d = derive_quantities(input.syogen, parameter);
    EXPECT_EQ(d.theta1_deg, c.clamped) << c.read;
    // Radians and the wedge bisector come from the angle as read.
    EXPECT_DOUBLE_EQ(d.theta1, c.read * kPi / 180) << c.read;
    EXPECT_DOUBLE_EQ(d.bisector_angle_deg, (c.read - 5.0) / 2) << c.read;
  }
  EXPECT_DOUBLE_EQ(derive_quantities(input.syogen, input.parameter).theta2, 5 * kPi / 180);
}

TEST(DerivedQuantities, DownstreamDepthIsFlooredAtOneHundredThousandth) {
  const auto input = tqweir_test::standard_case();
  struct Case { double read, floored; };
  const Case cases[] = {{0.0, 1e-05}, {-0.3, 1e-05}, {9.9e-06, 1e-05}, {1e-05, 1e-05},
                        {0.3, 0.3},   {2.5, 2.5}};
  for (const Case& c : cases) {
    auto parameter = input.parameter;
    parameter.hd_nd = c.read;
    EXPECT_EQ(derive_quantities(input.syogen, parameter).hd_nd, c.floored) << c.read;
  }
}

TEST(DerivedQuantities, UnitConversionsAndStopperForcePerMetre) {
  auto input = tqweir_test::standard_case();
  input.parameter.stopper_tension = 12.5;
  input.syogen.stopper_multiplier = 4;
  input.syogen.span = 10;
  input.parameter.tip_moment = 2.25;
  input.parameter.air_temperature = 15;
  const auto d = derive_quantities(input.syogen, input.parameter);
  EXPECT_EQ(d.stopper_tension_n, 12500);
  EXPECT_EQ(d.stopper_force, 5000);
  EXPECT_EQ(d.tip_moment_nm, 2250);
  EXPECT_EQ(d.air_temperature_k, 288);
  EXPECT_EQ(d.reference_temperature, 288);
  input.parameter.air_temperature = -20;
  EXPECT_EQ(derive_quantities(input.syogen, input.parameter).air_temperature_k, 253);
}

TEST(DerivedQuantities, SpanAndPerimeterMustBePositive) {
  const auto input = tqweir_test::standard_case();
  auto syogen = input.syogen;
  auto parameter = input.parameter;
  const auto check = [&] {
    return stop_message([&] { tqweir::check_span_and_perimeter(syogen, parameter); });
  };
  EXPECT_EQ(check(), Message::finished);
  for (double span : {0.0, -10.0}) {
    syogen.span = span;
    EXPECT_EQ(check(), Message::span_invalid) << span;
  }
  syogen.span = 10;
  for (double perimeter : {0.0, -3.0}) {
    parameter.perimeter = perimeter;
    EXPECT_EQ(check(), Message::perimeter_invalid) << perimeter;
  }
  syogen.span = 0;  // both wrong: the span is reported
  EXPECT_EQ(check(), Message::span_invalid);
}

TEST(DerivedQuantities, SurfaceModelIsRequiredOnlyOnceTheWaterReachesTheCrest) {
  const auto leaf = tqweir_test::leaf_from_nodes({{0, 0}, {1, 1}, {1.5, 0.9}});  // crest 1.0
  tqweir::ParameterInput parameter;
  const auto check = [&] {
    return stop_message([&] { tqweir::check_overflow_mode(parameter, leaf); });
  };
  for (int mode : {-1, 0, 1, 2, 3, 4}) {
    parameter.overflow_mode = mode;
    const bool valid = mode >= 1 && mode <= 3;
    parameter.upstream_level = 0.999;
    EXPECT_EQ(check(), Message::finished) << mode;
    for (double level : {1.0, 1.2}) {
      parameter.upstream_level = level;
      EXPECT_EQ(check(), valid ? Message::finished : Message::overflow_mode_invalid)
          << mode << " " << level;
    }
  }
}

}  // namespace
