// The design checks the tools share: criteria.csv and its messages, the
// checks and their governing case, the numbers they are written with; the
// checks of the leaf's steel and the skin plate's panel formula.
#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/summary_fields.h"
#include "text/run_results.h"
#include "design/criteria.h"
#include "design/design_checks.h"
#include "design/leaf_checks.h"
#include "text/input_error.h"
#include "text/number_text.h"

namespace {

using tqweir::design::Criteria;
using tqweir::design::LeafCriterion;

// What the checks read of a run.
struct PrintedRun {
  bool converged = false;
  tqweir::text::PrintedSummary printed;
};

std::string error_of(const std::function<void()>& f) {
  try {
    f();
  } catch (const tqweir::text::InputError& e) {
    return e.what();
  }
  return "";
}

TEST(Criteria, TextsAndLimitsAreReadWithOrWithoutAHeader) {
  const Criteria c = tqweir::design::read_criteria(
      "name,value\r\ntitle,\"Weir, stage 2\"\r\nmembrane_strength,400\r\nstopper_capacity, 2.5e1\r\n",
      "criteria.csv");
  EXPECT_EQ(c.title, "Weir, stage 2");
  EXPECT_TRUE(c.membrane_strength.given);
  EXPECT_EQ(c.stopper_capacity.value, 25.0);
  EXPECT_EQ(c.stopper_capacity.text, "2.5e1");
  EXPECT_FALSE(c.max_bag_pressure.given);
}

TEST(Criteria, BadRowsAreRefusedNamingLineAndColumn) {
  const struct {
    const char* text;
    const char* expected;
  } bad[] = {
      {"title,x\nstrength,3\n", "criteria.csv line 2, column 1: unknown name 'strength'"},
      {"stopper_capacity,abc\n", "criteria.csv line 1, column 2 (stopper_capacity): 'abc' is not"},
      {"stopper_capacity,nan\n", "line 1, column 2 (stopper_capacity): 'nan' is not"},
      {"stopper_capacity,0\n", "line 1, column 2 (stopper_capacity): '0' is not"},
      {"max_bag_pressure,1e999\n", "column 2 (max_bag_pressure): '1e999' is out of the range"},
      {"title,a\n\ntitle,b\n", "line 3, column 1: 'title' is already given on line 1"},
      {"title,a,b\n", "criteria.csv line 1: 3 cells; each row is name,value"},
      {"title,a\x1B]0;x\n", "line 1, column 2 (title): 'a\\x1B]0;x' holds a control byte"},
      // Limits a ratio could not be formed against, named where they come from.
      {"stopper_capacity,1e-300\n", "line 1, column 2 (stopper_capacity): '1e-300' is not a limit"},
      {"floor_anchor_capacity,2e12\n", "(floor_anchor_capacity): '2e12' is not a limit from 1e-06"},
      // A count of gates: whole, from 0, and only with the flood it is checked in.
      {"max_failed_gates,1.5\n", "line 1, column 2 (max_failed_gates): '1.5' is not a whole number"},
      {"max_failed_gates,-1\n", "line 1, column 2 (max_failed_gates): '-1' is not a whole number"},
      {"max_upstream_level,4\nmax_failed_gates,1\n",
       "line 2, column 1 (max_failed_gates): give max_upstream_level and flood_inflow with it"},
      {"membrane_strength,400\nmembrane_safety_factor,1e-300\n",
       "criteria.csv lines 1 and 2: membrane_strength / membrane_safety_factor = 400 / 1e-300 = "
       "4e+302 is not a limit"},
      // A probability per year, of passing the level criteria.csv gives.
      {"max_upstream_level,4\nmax_aep_of_limit,1\n",
       "line 2, column 2 (max_aep_of_limit): '1' is not an annual exceedance probability"},
      {"max_aep_of_limit,0.001\n", "line 1, column 1 (max_aep_of_limit): the limit is the AEP of passing"},
  };
  for (const auto& b : bad) {
    const std::string message =
        error_of([&] { tqweir::design::read_criteria(b.text, "criteria.csv"); });
    EXPECT_NE(message.find(b.expected), std::string::npos) << b.text << "\n" << message;
  }
  // The whole cell is the number: a NUL does not end it.
  const std::string nul("stopper_capacity,20\0abc\n", 24);
  EXPECT_NE(error_of([&] { tqweir::design::read_criteria(nul, "c.csv"); })
                .find("c.csv line 1, column 2 (stopper_capacity): '20\\x00abc' is not"),
            std::string::npos);
}

// The rows of what the report searches: each bad value refused at its
// line and column; good ones resolved.
TEST(Criteria, BadSearchRowsAreRefusedNamingLineAndColumn) {
  const struct {
    const char* text;
    const char* expected;
  } bad[] = {
      {"limit_variable,upstream_lvl\nlimit_range,0:4\n",
       "criteria.csv line 1, column 2 (limit_variable): 'upstream_lvl' is not a real input field"},
      {"limit_variable,overflow_mode\nlimit_range,1:3\n", "'overflow_mode' is not a real input"},
      {"limit_variable,hd_nd\nlimit_range,0.5:4.0:0.1\n", "'0.5:4.0:0.1' is not LO:HI (two numbers"},
      {"title,x\nlimit_range,0.5:4.0\n",
       "criteria.csv line 2, column 1 (limit_range): limit_range needs limit_variable too"},
      {"limit_variable,hd_nd\n", "line 1, column 1 (limit_variable): limit_variable needs limit_range"},
      {"limit_variable,hd_nd\nlimit_range,4:0.5\n",
       "line 2, column 2 (limit_range): '4:0.5': LO must be below HI"},
      {"limit_variable,hd_nd\nlimit_range,1:1\n", "'1:1': LO must be below HI"},
      {"limit_variable,hd_nd\nlimit_range,0:inf\n",
       "line 2, column 2 (limit_range): 'inf' in '0:inf' is not a decimal number"},
      {"limit_variable,hd_nd\nlimit_range,0:1e999\n", "'1e999' in '0:1e999' is out of the range"},
      {"limit_variable,hd_nd\nlimit_range,2\n", "(limit_range): '2' is not LO:HI"},
      {"sealed_range,4:1:0.1\n", "line 1, column 2 (sealed_range): '4:1:0.1': TO must not be less"},
      {"sealed_range,1:4\n", "(sealed_range): '1:4': write it as NAME=FROM:TO:STEP"},
      {"sealed_range,0:100:0.1\n", "(sealed_range): 1001 levels, at most 200"},
  };
  for (const auto& b : bad) {
    const std::string message =
        error_of([&] { tqweir::design::read_criteria(b.text, "criteria.csv"); });
    EXPECT_NE(message.find(b.expected), std::string::npos) << b.text << "\n" << message;
  }
  const Criteria c = tqweir::design::read_criteria(
      "limit_variable,upstream_level\nlimit_range,0.5:4.0\nsealed_range,1.0:2.0:0.5\n", "c.csv");
  ASSERT_NE(c.search.limit_field, nullptr);
  EXPECT_STREQ(c.search.limit_field->name, "upstream_level");
  EXPECT_EQ(c.search.limit_lo, 0.5);
  EXPECT_EQ(c.search.limit_hi, 4.0);
  EXPECT_EQ(c.search.sealed_levels, (std::vector<std::string>{"1.0", "1.5", "2.0"}));
  // The fields offered are those a search may vary, and an end reads as
  // loadcases.csv reads it, a zero without its sign.
  const std::string listed = error_of([] {
    tqweir::design::read_criteria("limit_variable,overflow_mode\nlimit_range,1:3\n", "c.csv");
  });
  EXPECT_EQ(listed.find("overflow_mode,"), std::string::npos) << listed;
  const Criteria tiny =
      tqweir::design::read_criteria("limit_variable,hd_nd\nlimit_range,-0:1e-300\n", "c.csv");
  EXPECT_EQ(tiny.search.limit_hi, 1e-300);
  EXPECT_FALSE(std::signbit(tiny.search.limit_lo));
}

// A converged run with the given printed fields (the others 0.000).
PrintedRun run_with(tqweir::SummaryId id, const std::string& printed) {
  PrintedRun run;
  run.converged = true;
  run.printed.text.fill("0.000");
  run.printed.text[static_cast<std::size_t>(tqweir::summary_index(id))] = printed;
  return run;
}

TEST(DesignChecks, RatioIsPrintedValueOverLimitAndOneIsStillOk) {
  Criteria criteria;
  criteria.membrane_strength = {true, 400.0, "400"};
  criteria.membrane_safety_factor = {true, 4.0, "4"};
  criteria.max_bag_pressure = {true, 206.0, "206"};
  criteria.floor_anchor_capacity = {true, 0.1, "0.1"};
  const auto list = tqweir::design::make_criteria(criteria);
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[0].limit_text, "400 / 4 = 100.000");
  EXPECT_FALSE(list[1].given);

  using tqweir::SummaryId;
  const auto at_limit = check_case(run_with(SummaryId::bag_tension, "100.000"), list[0]);
  EXPECT_TRUE(at_limit.ok);
  EXPECT_EQ(tqweir::text::ratio_text(at_limit.ratio), "1.000");
  const auto above = check_case(run_with(SummaryId::bag_tension, "100.001"), list[0]);
  EXPECT_FALSE(above.ok);
  EXPECT_EQ(tqweir::text::ratio_text(above.ratio), "1.001");  // rounded up, never down to 1
  // The pressure is printed in MPa and checked in kPa without rounding.
  const auto pressure = check_case(run_with(SummaryId::pressure_at_temperature, "0.206"), list[2]);
  EXPECT_EQ(pressure.value_text, "206");
  EXPECT_TRUE(pressure.ok);
  // A force pointing the other way loads its support all the same; a
  // quotient such as 1.1 / 0.1 is the 11 it stands for.
  const auto anchor = check_case(run_with(SummaryId::support_force, "-1.100"), list[3]);
  EXPECT_EQ(tqweir::text::ratio_text(anchor.ratio), "11.000");
}

TEST(DesignChecks, GoverningCaseIsTheLargestRatioOfTheFinishedCases) {
  Criteria criteria;
  criteria.stopper_capacity = {true, 20.0, "20"};
  const auto stopper = tqweir::design::make_criteria(criteria)[1];
  using tqweir::SummaryId;
  std::vector<PrintedRun> runs = {run_with(SummaryId::stopper_tension, "10.000"), PrintedRun(),
                               run_with(SummaryId::stopper_tension, "12.000"),
                               run_with(SummaryId::stopper_tension, "12.000")};
  EXPECT_EQ(tqweir::design::governing_case(runs, stopper), 2);  // the first of equal ratios
  EXPECT_EQ(tqweir::design::governing_case(std::vector<PrintedRun>{PrintedRun()}, stopper), -1);
  // Every finished case at 0.000 still has a governing case, ratio 0.000.
  runs = {PrintedRun(), run_with(SummaryId::stopper_tension, "0.000"),
          run_with(SummaryId::stopper_tension, "-0.000")};
  EXPECT_EQ(tqweir::design::governing_case(runs, stopper), 1);
  EXPECT_EQ(tqweir::text::ratio_text(check_case(runs[2], stopper).ratio), "0.000");
}

// Small limits keep three significant digits; usual ones print as always.
TEST(NumberText, LimitsNeverReadAsZero) {
  EXPECT_EQ(tqweir::text::limit_number_text(100.0), "100.000");
  EXPECT_EQ(tqweir::text::limit_number_text(0.1), "0.100");
  EXPECT_EQ(tqweir::text::limit_number_text(0.05), "0.0500");
  EXPECT_EQ(tqweir::text::limit_number_text(0.0004), "0.000400");
  EXPECT_EQ(tqweir::text::limit_number_text(1e-6), "0.00000100");
}

TEST(NumberText, InputsAreShownExactlyAndKilopascalsWithoutRounding) {
  for (double v : {0.3, 9800.0, 2.675, 1e-05, 1e-07, -0.0, 0.1 + 0.2, 123456789.123456789,
                   4.9e-324, 1.7976931348623157e308}) {
    const std::string text = tqweir::text::exact_text(v);
    const double back = std::strtod(text.c_str(), nullptr);
    EXPECT_EQ(std::memcmp(&back, &v, sizeof v), 0) << text;
  }
  EXPECT_EQ(tqweir::text::exact_text(9800.0), "9800");
  EXPECT_EQ(tqweir::text::exact_text(1e-05), "0.00001");
  EXPECT_EQ(tqweir::text::times_thousand("0.206"), "206");
  EXPECT_EQ(tqweir::text::times_thousand("-0.0125"), "-12.5");
  EXPECT_EQ(tqweir::text::times_thousand("12.000"), "12000");
  EXPECT_EQ(tqweir::text::times_thousand("-0.000"), "0");
  // A residue of zero in exponent form stays a residue, not tens of kPa.
  EXPECT_EQ(tqweir::text::times_thousand("-3.508402489680509e-20"), "-3.508402489680509e-17");
  EXPECT_EQ(tqweir::text::times_thousand("2e+15"), "2e18");
}

TEST(LeafRows, BadRowsAreRefusedNamingLineAndColumn) {
  const struct {
    const char* text;
    const char* expected;
  } bad[] = {
      {"title,x\nleaf_section_modulus,250\n",
       "criteria.csv line 2, column 1 (leaf_section_modulus): leaf_section_modulus needs leaf_allowable_bending too"},
      {"leaf_allowable_shear,80\n", "line 1, column 1 (leaf_allowable_shear): leaf_allowable_shear needs leaf_shear_area"},
      {"skin_plate_thickness,9\nskin_plate_allowable,140\n", "line 1, column 1 (skin_plate_thickness): "
                                                             "skin_plate_thickness needs skin_plate_panel"},
      {"skin_plate_thickness,9\nskin_plate_panel,300 x 200\nskin_plate_allowable,140\n",
       "line 2, column 2 (skin_plate_panel): '300 x 200': A is the short side"},
      {"skin_plate_thickness,9\nskin_plate_panel,300\nskin_plate_allowable,140\n",
       "line 2, column 2 (skin_plate_panel): '300' is not A x B"},
      {"skin_plate_thickness,9\nskin_plate_panel,87 x 3e\nskin_plate_allowable,140\n",
       "line 2, column 2 (skin_plate_panel): '3e' is not"},
      {"skin_plate_thickness,2\nskin_plate_corrosion,2\nskin_plate_panel,87x300\nskin_plate_allowable,140\n",
       "line 2, column 2 (skin_plate_corrosion): '2' leaves nothing of skin_plate_thickness"},
      {"hinge_capacity,0\n", "line 1, column 2 (hinge_capacity): '0' is not"},
      {"hinge_capacity,1e13\n", "line 1, column 2 (hinge_capacity): '1e13' is not a limit"},
  };
  for (const auto& row : bad) {
    const std::string message = error_of([&] { tqweir::design::read_criteria(row.text, "criteria.csv"); });
    EXPECT_NE(message.find(row.expected), std::string::npos) << row.text << " -> " << message;
  }
}

// k through 30.9, 45.5, 49.9 at b/a = 1, 1.5, 2 and 50 from 2.5; the stress
// k p a^2 / (100 t^2) with t the thickness less the corrosion allowance,
// against the hand value 9.63 N/mm2 (a = 87 mm, p = 0.0407 N/mm2, t = 4 mm).
TEST(SkinPlate, PanelCoefficientAndNetThickness) {
  EXPECT_DOUBLE_EQ(tqweir::design::panel_coefficient(1.0), 30.9);
  EXPECT_DOUBLE_EQ(tqweir::design::panel_coefficient(1.25), 38.2);
  EXPECT_DOUBLE_EQ(tqweir::design::panel_coefficient(1.75), 47.7);
  EXPECT_DOUBLE_EQ(tqweir::design::panel_coefficient(2.25), 49.95);
  EXPECT_DOUBLE_EQ(tqweir::design::panel_coefficient(7.0), 50.0);
  const Criteria c = tqweir::design::read_criteria(
      "skin_plate_thickness,5\nskin_plate_corrosion,1\nskin_plate_panel,87 x 300\nskin_plate_allowable,140\n",
      "criteria.csv");
  const LeafCriterion plate = tqweir::design::make_leaf_criteria(c)[2];
  ASSERT_TRUE(plate.given);
  tqweir::leaf::LeafForces f;
  f.max_net_pressure.value = -0.0407e6;  // Pa, towards the water face: its size counts
  const tqweir::design::Check check = tqweir::design::check_leaf(f, plate);
  EXPECT_EQ(check.value_text, "9.627");
  EXPECT_NEAR(check.ratio, 9.627 / 140.0, 1e-9);
}

// Each check takes its own quantity of the free body, as a size: M for the
// bending stress (N m/m over cm3/m is N/mm2), V for the shear (over cm2/m,
// N/cm2), the reaction's size for the hinge.
TEST(LeafChecks, EachCheckTakesItsOwnQuantity) {
  const Criteria c = tqweir::design::read_criteria(
      "leaf_section_modulus,250\nleaf_allowable_bending,140\nleaf_shear_area,40\nleaf_allowable_shear,80\n"
      "hinge_capacity,150\n",
      "criteria.csv");
  tqweir::leaf::LeafForces f;
  f.internal.max_N.value = -7000.0;
  f.internal.max_V.value = -106300.0;
  f.internal.max_M.value = 31840.0;
  f.max_net_pressure.value = 55000.0;
  f.reaction.size = 106400.0;
  const auto criteria = tqweir::design::make_leaf_criteria(c);
  EXPECT_EQ(tqweir::design::check_leaf(f, criteria[0]).value_text, "127.360");
  EXPECT_EQ(tqweir::design::check_leaf(f, criteria[1]).value_text, "26.575");
  EXPECT_FALSE(criteria[2].given);
  EXPECT_EQ(tqweir::design::check_leaf(f, criteria[3]).value_text, "106.400");
}

}  // namespace
