// The report's parts that decide what a reader is told: criteria.csv and
// its messages, the checks and their governing case, the numbers the report
// computes itself, and the cases' input files.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/input_fields.h"
#include "input/case_reader.h"
#include "support/test_cases.h"
#include "tools/common/input_error.h"
#include "tools/report/case_run.h"
#include "tools/report/criteria.h"
#include "tools/report/design_checks.h"
#include "tools/report/key_results.h"
#include "tools/report/number_text.h"
#include "tools/report/plausibility.h"

namespace {

using tqweir::report::CaseRun;
using tqweir::report::Criteria;

const tqweir::CaseTexts kStandard{"0,10,0,5000,1,1,2,2.5,5,1,9800,9800\n",
                                  "1,2.5,0.3,0.5,15,45,2,3,10\n", "0,0\n3,0\n4,0.3\n"};

std::string error_of(const std::function<void()>& f) {
  try {
    f();
  } catch (const tqweir::tools::InputError& e) {
    return e.what();
  }
  return "";
}

TEST(Criteria, TextsAndLimitsAreReadWithOrWithoutAHeader) {
  const Criteria c = tqweir::report::read_criteria(
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
      {"max_bag_pressure,1e999\n", "column 2 (max_bag_pressure): '1e999' is not"},
      {"title,a\n\ntitle,b\n", "line 3, column 1: 'title' is already given on line 1"},
      {"title,a,b\n", "criteria.csv line 1: 3 cells; each row is name,value"},
      {"title,a\x1B]0;x\n", "line 1, column 2 (title): 'a\\x1B]0;x' holds a control byte"},
      // Limits a ratio could not be formed against, named where they come from.
      {"stopper_capacity,1e-300\n", "line 1, column 2 (stopper_capacity): '1e-300' is not a limit"},
      {"floor_anchor_capacity,2e12\n", "(floor_anchor_capacity): '2e12' is not a limit from 1e-06"},
      {"membrane_strength,400\nmembrane_safety_factor,1e-300\n",
       "criteria.csv lines 1 and 2: membrane_strength / membrane_safety_factor = 400 / 1e-300 = "
       "4e+302 is not a limit"},
  };
  for (const auto& b : bad) {
    const std::string message =
        error_of([&] { tqweir::report::read_criteria(b.text, "criteria.csv"); });
    EXPECT_NE(message.find(b.expected), std::string::npos) << b.text << "\n" << message;
  }
  // The whole cell is the number: a NUL does not end it.
  const std::string nul("stopper_capacity,20\0abc\n", 24);
  EXPECT_NE(error_of([&] { tqweir::report::read_criteria(nul, "c.csv"); })
                .find("c.csv line 1, column 2 (stopper_capacity): '20\\x00abc' is not"),
            std::string::npos);
}

// A converged run with the given printed fields (the others 0.000).
CaseRun run_with(tqweir::SummaryId id, const std::string& printed) {
  CaseRun run;
  run.converged = true;
  run.printed.text.fill("0.000");
  const auto i = static_cast<std::size_t>(tqweir::summary_index(id));
  run.printed.text[i] = printed;
  run.printed.value[i] = std::strtod(printed.c_str(), nullptr);
  return run;
}

TEST(DesignChecks, RatioIsPrintedValueOverLimitAndOneIsStillOk) {
  Criteria criteria;
  criteria.membrane_strength = {true, 400.0, "400"};
  criteria.membrane_safety_factor = {true, 4.0, "4"};
  criteria.max_bag_pressure = {true, 206.0, "206"};
  criteria.floor_anchor_capacity = {true, 0.1, "0.1"};
  const auto list = tqweir::report::make_criteria(criteria);
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[0].limit_text, "400 / 4 = 100.000");
  EXPECT_FALSE(list[1].given);

  using tqweir::SummaryId;
  const auto at_limit = check_case(run_with(SummaryId::bag_tension, "100.000"), list[0]);
  EXPECT_TRUE(at_limit.ok);
  EXPECT_EQ(tqweir::report::ratio_text(at_limit.ratio), "1.000");
  const auto above = check_case(run_with(SummaryId::bag_tension, "100.001"), list[0]);
  EXPECT_FALSE(above.ok);
  EXPECT_EQ(tqweir::report::ratio_text(above.ratio), "1.001");  // rounded up, never down to 1
  // The pressure is printed in MPa and checked in kPa without rounding.
  const auto pressure = check_case(run_with(SummaryId::pressure_at_temperature, "0.206"), list[2]);
  EXPECT_EQ(pressure.value_text, "206");
  EXPECT_TRUE(pressure.ok);
  // A force pointing the other way loads its support all the same; a
  // quotient such as 1.1 / 0.1 is the 11 it stands for.
  const auto anchor = check_case(run_with(SummaryId::support_force, "-1.100"), list[3]);
  EXPECT_EQ(tqweir::report::ratio_text(anchor.ratio), "11.000");
}

TEST(DesignChecks, GoverningCaseIsTheLargestRatioOfTheFinishedCases) {
  Criteria criteria;
  criteria.stopper_capacity = {true, 20.0, "20"};
  const auto stopper = tqweir::report::make_criteria(criteria)[1];
  using tqweir::SummaryId;
  std::vector<CaseRun> runs = {run_with(SummaryId::stopper_tension, "10.000"), CaseRun(),
                               run_with(SummaryId::stopper_tension, "12.000"),
                               run_with(SummaryId::stopper_tension, "12.000")};
  EXPECT_EQ(tqweir::report::governing_case(runs, stopper), 2);  // the first of equal ratios
  EXPECT_EQ(tqweir::report::governing_case({CaseRun()}, stopper), -1);
  // Every finished case at 0.000 still has a governing case, ratio 0.000.
  runs = {CaseRun(), run_with(SummaryId::stopper_tension, "0.000"),
          run_with(SummaryId::stopper_tension, "-0.000")};
  EXPECT_EQ(tqweir::report::governing_case(runs, stopper), 1);
  EXPECT_EQ(tqweir::report::ratio_text(check_case(runs[2], stopper).ratio), "0.000");
}

// Small limits keep three significant digits; usual ones print as always.
TEST(NumberText, LimitsNeverReadAsZero) {
  EXPECT_EQ(tqweir::report::limit_number_text(100.0), "100.000");
  EXPECT_EQ(tqweir::report::limit_number_text(0.1), "0.100");
  EXPECT_EQ(tqweir::report::limit_number_text(0.05), "0.0500");
  EXPECT_EQ(tqweir::report::limit_number_text(0.0004), "0.000400");
  EXPECT_EQ(tqweir::report::limit_number_text(1e-6), "0.00000100");
}

// The overflow depth is the difference of the printed level and crest:
// exact in millimetres for every crest height, whatever its binary error.
TEST(KeyResults, OverflowDepthIsExactToTheMillimetre) {
  const tqweir::report::KeyResult* depth = nullptr;
  for (const auto& key : tqweir::report::key_results()) depth = key.overflow_depth ? &key : depth;
  ASSERT_NE(depth, nullptr);
  CaseRun run;
  run.converged = true;
  run.printed.value[tqweir::summary_index(tqweir::SummaryId::upstream_level)] = 10.0;
  for (int mm = 0; mm <= 12000; ++mm) {
    run.printed.value[tqweir::summary_index(tqweir::SummaryId::crest_height)] = mm / 1000.0;
    char expected[32];
    std::snprintf(expected, sizeof expected, "%d.%03d", std::max(0, 10000 - mm) / 1000,
                  std::max(0, 10000 - mm) % 1000);
    ASSERT_EQ(tqweir::report::key_result_text(run, *depth), expected) << mm;
  }
}

// Each note appears just past its bound and not on it; the standard case
// has none.
TEST(Plausibility, EachNoteStartsPastItsBound) {
  const tqweir::CaseInput standard = tqweir_test::case_of_texts(kStandard);
  EXPECT_TRUE(tqweir::report::plausibility_warnings(standard).empty());
  const double leaf = tqweir::report::leaf_length(standard.points);
  using Edit = std::function<void(tqweir::CaseInput&, double)>;
  const struct {
    const char* note;  // a part of the note's English text
    Edit edit;         // moves the input to its bound (d = 0) or just past it
  } notes[] = {
      {"weight's arm", [&](tqweir::CaseInput& c, double d) { c.syogen.leaf_weight_arm = leaf + d; }},
      {"beyond the leaf's length (", [&](tqweir::CaseInput& c, double d) { c.syogen.anchor_distance = leaf + d; }},
      {"before the hinge", [](tqweir::CaseInput& c, double d) { c.syogen.anchor_distance = -d; }},
      {"first point of hitai.csv", [](tqweir::CaseInput& c, double d) { c.points[0].x = d; }},
      {"upstream water level (", [](tqweir::CaseInput& c, double d) {
         c.parameter.upstream_level = -d;
         c.parameter.layer_level = 0.0; }},
      {"second layer's top", [](tqweir::CaseInput& c, double d) {
         c.parameter.layer_level = c.parameter.upstream_level + d; }},
      {"downstream depth", [](tqweir::CaseInput& c, double d) { c.parameter.hd_nd = -d; }},
      {"absolute zero", [](tqweir::CaseInput& c, double d) { c.parameter.air_temperature = -272.999 - d; }},
      {"leaf angle", [](tqweir::CaseInput& c, double d) { c.parameter.theta1_deg = 1.0 - d; }},
      {"stopper's foot", [](tqweir::CaseInput& c, double d) { c.syogen.base_distance = 0.001 - d; }},
  };
  for (const auto& n : notes) {
    tqweir::CaseInput at = standard, past = standard;
    n.edit(at, 0.0);
    n.edit(past, 0.001);
    EXPECT_TRUE(tqweir::report::plausibility_warnings(at).empty()) << n.note;
    const auto warnings = tqweir::report::plausibility_warnings(past);
    ASSERT_EQ(warnings.size(), 1u) << n.note;
    EXPECT_NE(warnings[0].en.find(n.note), std::string::npos) << warnings[0].en;
  }
}

TEST(NumberText, InputsAreShownExactlyAndKilopascalsWithoutRounding) {
  for (double v : {0.3, 9800.0, 2.675, 1e-05, 1e-07, -0.0, 0.1 + 0.2, 123456789.123456789,
                   4.9e-324, 1.7976931348623157e308}) {
    const std::string text = tqweir::report::exact_text(v);
    const double back = std::strtod(text.c_str(), nullptr);
    EXPECT_EQ(std::memcmp(&back, &v, sizeof v), 0) << text;
  }
  EXPECT_EQ(tqweir::report::exact_text(9800.0), "9800");
  EXPECT_EQ(tqweir::report::exact_text(1e-05), "0.00001");
  EXPECT_EQ(tqweir::report::times_thousand("0.206"), "206");
  EXPECT_EQ(tqweir::report::times_thousand("-0.0125"), "-12.5");
  EXPECT_EQ(tqweir::report::times_thousand("12.000"), "12000");
  EXPECT_EQ(tqweir::report::times_thousand("-0.000"), "0");
}

// The files a case is run from read back to the very doubles of the case.
TEST(CaseRun, CaseFilesReadBackBitForBit) {
  tqweir::CaseInput input = tqweir_test::case_of_texts(kStandard);
  input.parameter.upstream_level = 0.1 + 0.2;
  input.syogen.leaf_weight = 4.9e-324;
  input.parameter.hd_nd = -0.0;
  const tqweir::CaseInput back =
      tqweir_test::case_of_texts(tqweir::report::case_texts(input, kStandard.hitai));
  for (const tqweir::InputField& field : tqweir::input_fields()) {
    const double a = tqweir::field_value(field, input);
    const double b = tqweir::field_value(field, back);
    EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0) << field.name;
  }
}

}  // namespace
