// The report's figures on values no picture can show: a note takes the
// place of the case's drawing or of a chart, and the report is written.
#include <limits>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "support/case_runner.h"
#include "studies/report/line_chart.h"
#include "tools/report/report_command.h"

namespace {

using tqweir_test::ScratchDir;

TEST(ReportFigures, ACaseTooLargeToDrawGetsANoteInPlaceOfItsDrawing) {
  ScratchDir dir;
  dir.copy_from(std::string(TQWEIR_SOURCE_DIR) + "/examples/design_standard");
  // The run finishes; its upstream surface lies at -1.7e308 m.
  dir.write("loadcases.csv", "case,upstream_level\nc,-1.7e308\n");
  const std::string path = dir.path();
  const char* argv[] = {"tqweir-report", path.c_str()};
  std::ostringstream out, err;
  ASSERT_EQ(tqweir::report::run_report_command_line(2, argv, out, err, "2024-06-01"), 0)
      << err.str();
  const std::string html = dir.read("report.html");
  EXPECT_NE(html.find("No drawing"), std::string::npos);
  EXPECT_NE(html.find("the section is too large to draw"), std::string::npos);
}

TEST(LineChart, AnAxisThatTicksCannotLabelGivesNoChart) {
  const double max = std::numeric_limits<double>::max();
  tqweir::report::ChartSeries series{"t", "x", {1.0, 2.0, 3.0}, {0.1, 0.2, 0.4}, {}, true, {}};
  EXPECT_NE(tqweir::report::line_chart_svg(series, 330, 170), "");
  for (const auto& x : {std::vector<double>{-max, 0.0, max},         // the range overflows
                        std::vector<double>{1e20, 2e20, 3e20},       // labels too long
                        std::vector<double>{1e-300, 2e-300, 3e-300}}) {  // too many decimals
    series.x = x;
    EXPECT_EQ(tqweir::report::line_chart_svg(series, 330, 170), "") << x[1];
  }
}

}  // namespace
