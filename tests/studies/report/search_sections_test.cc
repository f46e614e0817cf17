// The report's searched sections: a known limit comes back bracketed, the
// edge of the runs that stop is a row with its message, and the sealed
// curve is drawn with its passage from stopper to slack.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "support/case_runner.h"
#include "design/design.h"
#include "design/limit_states.h"
#include "studies/report/search_sections.h"

namespace {

using tqweir_test::ScratchDir;
namespace report = tqweir::report;
namespace design = tqweir::design;

const std::string kExamples = std::string(TQWEIR_SOURCE_DIR) + "/examples/";

std::size_t count_of(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// The membrane check of the example design reaches 1 where tqweir-seek
// finds it (upstream_level 3.425377711803793 for the normal load case),
// and the two ends of the bracket lie on either side of the limit.
TEST(LimitStates, TheMembraneLimitComesBackBetweenItsBracket) {
  ScratchDir dir;
  dir.copy_from(kExamples + "design_limits");
  dir.write("loadcases.csv", "case,upstream_level,hd_nd\nnormal,2.5,0.3\n");
  const design::Design folder = design::read_design(dir.path(), {});
  const std::vector<design::Criterion> criteria = design::make_criteria(folder.criteria);
  const std::vector<design::CaseLimits> limits =
      design::find_limits(folder, criteria, design::LimitSettings());
  ASSERT_EQ(limits.size(), 1u);
  const design::CheckLimit& membrane = limits[0].checks[0];
  ASSERT_TRUE(membrane.found);
  EXPECT_TRUE(membrane.rising);
  EXPECT_NEAR(membrane.value, 3.425377711803793, 4e-7);
  EXPECT_EQ(membrane.ratio_text, "1.000");
  const tqweir::search::Goal goal = design::criterion_goal(criteria[0]);
  const tqweir::InputField& level = *folder.criteria.search.limit_field;
  const auto ratio_at = [&](double x) {
    return tqweir::search::goal_quantity(
        goal, tqweir::search::solve_unrounded(tqweir::search::with_value(folder.cases[0].input, level, x)));
  };
  EXPECT_LT(ratio_at(membrane.lo), 1.0);
  EXPECT_GE(ratio_at(membrane.hi), 1.0);
  EXPECT_LE(membrane.hi - membrane.lo, 3.5e-7);
  EXPECT_EQ(limits[0].governing_check, 0);
  EXPECT_EQ(limits[0].governing, membrane.value);
}

// Raising the tailwater of the standard case, the run begins to stop near
// hd_nd 1.90286 (tqweir-seek --until stop): the stop row gives the value
// and the message, and the stop governs as no check is given.
TEST(LimitStates, TheEdgeOfTheRunsThatStopIsARowWithItsMessage) {
  ScratchDir dir;
  dir.copy_from(kExamples + "standard");
  dir.write("criteria.csv", "limit_variable,hd_nd\nlimit_range,0:3\n");
  const std::string html = report::limit_states_section(design::read_design(dir.path(), {}), 8);
  EXPECT_NE(html.find("data-field=\"limit-stop\">1.9029</td>"), std::string::npos) << html;
  EXPECT_NE(html.find(u8"膜形状の計算が収束しません"), std::string::npos);
  EXPECT_NE(html.find("data-field=\"limit-margin\">1.6029</span>"), std::string::npos);
  // Where no run finishes, the whole range stops: that is the limit, not
  // "no stop".
  dir.write("criteria.csv", "stopper_capacity,20\nlimit_variable,hd_nd\nlimit_range,2:3\n");
  const std::string stops = report::limit_states_section(design::read_design(dir.path(), {}), 8);
  EXPECT_NE(stops.find("data-field=\"limit-stop\">2.0000</td>"), std::string::npos) << stops;
  EXPECT_NE(stops.find("stops over the whole range"), std::string::npos);
  EXPECT_NE(stops.find("no run finishes in the range"), std::string::npos);
  EXPECT_EQ(stops.find("no stop in the range"), std::string::npos);
}

// The limit states agree with the case's own checks: the standard case at
// theta1_deg 33 is NG on its floor anchorage (39.708 against 39.65 kN/m)
// while the ratio is below 1 at every scan point, so its governing limit is
// the first crossing, below 33, and the margin is negative; a case that
// finishes is never "no run finishes"; runs that cease to stop do not
// govern; and the membrane's limit governs when it comes before the stop.
TEST(LimitStates, AgreeWithTheCasesOwnChecks) {
  ScratchDir dir;
  dir.copy_from(kExamples + "standard");
  dir.write("loadcases.csv", "case,theta1_deg\nng,33\n");
  dir.write("criteria.csv", "floor_anchor_capacity,39.65\nlimit_variable,theta1_deg\nlimit_range,10:89\n");
  const std::string ng = report::limit_states_section(design::read_design(dir.path(), {}), 8);
  EXPECT_NE(ng.find("limit-floor_anchor\">32.1360</td>"), std::string::npos) << ng;
  EXPECT_NE(ng.find("data-field=\"limit-margin\">-0.8640</span>"), std::string::npos) << ng;
  dir.write("loadcases.csv", "case,perimeter\nown,3\n");
  dir.write("criteria.csv", "stopper_capacity,20\nlimit_variable,perimeter\nlimit_range,0:5\n");
  const std::string island = report::limit_states_section(design::read_design(dir.path(), {}), 8);
  EXPECT_EQ(island.find("no run finishes"), std::string::npos) << island;
  EXPECT_NE(island.find("limit-stop\">1.1493</td>"), std::string::npos) << island;
  EXPECT_NE(island.find("No limit in the range"), std::string::npos) << island;
  dir.write("loadcases.csv", "case,leaf_weight\nown,40\n");
  dir.write("criteria.csv", "membrane_strength,1250\nlimit_variable,leaf_weight\nlimit_range,0:2000000\n");
  const std::string heavy = report::limit_states_section(design::read_design(dir.path(), {}), 8);
  EXPECT_NE(heavy.find("</span>: membrane tension <span class=\"ja\">袋体膜の張力</span> 1300750.6679"), std::string::npos) << heavy;
}

// A case a hair beyond its limit: the margin rounds to zero, shown
// without a sign, and still marked NG.
TEST(LimitStates, AMarginThatRoundsToZeroHasNoSign) {
  ScratchDir dir;
  dir.copy_from(kExamples + "design_limits");
  dir.write("loadcases.csv", "case,upstream_level,hd_nd\nat,3.42538,0.3\n");
  const std::string html = report::limit_states_section(design::read_design(dir.path(), {}), 8);
  EXPECT_NE(html.find("<span class=\"ng\" data-field=\"limit-margin\">0.0000</span>"), std::string::npos)
      << html;
}

TEST(SealedSection, TheCurveIsDrawnAndPassesFromStopperToSlack) {
  ScratchDir dir;
  dir.copy_from(kExamples + "standard");
  dir.write("criteria.csv", "sealed_range,2.0:3.0:0.5\n");
  const std::string html = report::sealed_section(design::read_design(dir.path(), {}), 9);
  EXPECT_EQ(count_of(html, "<svg"), 3u);  // angle, pressure, discharge
  const std::size_t stopper = html.find("data-field=\"regime\">stopper<");
  const std::size_t slack = html.find("data-field=\"regime\">slack<");
  ASSERT_NE(stopper, std::string::npos);
  ASSERT_NE(slack, std::string::npos);
  EXPECT_LT(stopper, slack);
  EXPECT_NE(html.find("isothermal"), std::string::npos);
  EXPECT_EQ(report::sealed_section(design::read_design(kExamples + "design_standard", {}), 9), "");
}

}  // namespace
