// The report's section on operating the gate, on examples/design_operation:
// the times against criteria.csv's limits, and no section without
// operation.csv.
#include <string>

#include <gtest/gtest.h>

#include "design/design.h"
#include "studies/report/operation_section.h"

namespace tqweir_test {
namespace {

// The row of case `n` in the section's table.
std::string case_row(const std::string& html, int n) {
  const std::string key = "<tr data-case=\"" + std::to_string(n) + "\">";
  const std::size_t at = html.find(key);
  return at == std::string::npos ? "" : html.substr(at, html.find("</tr>", at) - at);
}

TEST(OperationSection, EachLoadCaseIsCheckedAgainstTheTimeLimits) {
  const tqweir::design::Design design =
      tqweir::design::read_design(TQWEIR_SOURCE_DIR "/examples/design_operation", {});
  ASSERT_TRUE(design.criteria.max_lowering_time.given);
  const std::string html = tqweir::report::operation_section(design, 7);
  // Normal water level: 2.33 min of 3 allowed lowering, 9.12 of 10 raising.
  EXPECT_NE(case_row(html, 1).find("2.33</td><td class=\"result ok\">0.779 OK"), std::string::npos)
      << case_row(html, 1);
  EXPECT_NE(case_row(html, 1).find("9.12</td><td class=\"result ok\">0.913 OK"), std::string::npos);
  // The flood takes longer than allowed to lower, and the blower cannot raise it.
  EXPECT_NE(case_row(html, 2).find("1.210 NG"), std::string::npos) << case_row(html, 2);
  EXPECT_NE(case_row(html, 2).find("blower limit"), std::string::npos);
  EXPECT_NE(case_row(html, 5).find(u8"fold: falls 37.8→36.4°"), std::string::npos) << case_row(html, 5);
  EXPECT_NE(html.find("data-field=\"operation-5-lower-angle\""), std::string::npos);

  const tqweir::design::Design without =
      tqweir::design::read_design(TQWEIR_SOURCE_DIR "/examples/design_standard", {});
  EXPECT_EQ(tqweir::report::operation_section(without, 7), "");
}

}  // namespace
}  // namespace tqweir_test
