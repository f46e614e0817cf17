// The report's flood passage on examples/design_flood against what
// tqweir-operate --flood prints, its check of max_upstream_level, and
// criteria.csv's flood_inflow refused when it leaves the design folder.
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "design/design.h"
#include "support/case_runner.h"
#include "text/input_error.h"
#include "tools/operate/flood_command.h"
#include "studies/flood/flood_output.h"
#include "studies/flood/routed_flood.h"
#include "studies/operation/operated_design.h"
#include "studies/report/flood_runs.h"
#include "studies/report/flood_section.h"
#include "studies/report/report_sections.h"

namespace tqweir_test {
namespace {

namespace report = tqweir::report;
const char kExample[] = TQWEIR_SOURCE_DIR "/examples/design_flood";

// The command's printout: tqweir-operate DESIGN --flood FILE [--power-failure].
std::string printout(const tqweir::design::Design& design, bool power_failure) {
  tqweir::operate::OperateCommand command;
  command.dir = kExample;
  command.mode = tqweir::operate::Mode::flood;
  command.inflow = report::flood_inflow_path(design);
  command.flood = report::flood_request(design, power_failure);
  std::ostringstream out, err;
  tqweir::operate::run_flood(tqweir::operate::flood_job(tqweir::operate::operated(design), command.flood),
                             command, out, err);
  return out.str();
}

// The cell the report shows for a printed line: `pattern`'s groups put
// into `format` ($1, $2, ...); "" when the line is not printed.
std::string printed(const std::string& text, const char* pattern, const char* format) {
  std::smatch match;
  const std::regex line(pattern);
  if (!std::regex_search(text, match, line)) return std::string("<not printed: ") + pattern + ">";
  return match.format(format);
}

// Cell `column` (1: with power, 2: without) of summary row `row`.
std::string cell(const std::string& html, int row, int column) {
  std::size_t at = html.find("<tr data-row=\"" + std::to_string(row) + "\">");
  for (int k = 0; k <= column && at != std::string::npos; ++k) at = html.find("<td", at + 1);
  if (at == std::string::npos) return "";
  return html.substr(at, html.find("</td>", at) - at);
}

TEST(FloodSection, SummaryHoldsTheNumbersTheCommandPrints) {
  const tqweir::design::Design design = tqweir::design::read_design(kExample, {});
  const std::string html = report::flood_section(design, report::run_floods(design), 8);
  for (const bool power_failure : {false, true}) {
    const std::string p = printout(design, power_failure);
    const int column = power_failure ? 2 : 1;
    const std::string span = "$1 – $2 ($3 min)";
    const std::vector<std::pair<int, std::string>> expected = {
        {1, printed(p, R"(peak level (\S+ m) at ([^\n]+))", "$1, $2")},
        {2, printed(p, R"(peak outflow (\S+ m3/s) at ([^\n]+))", "$1, $2")},
        {3, printed(p, R"(attenuation ([^,]+),)", "$1")},
        {4, printed(p, R"(lowering: started ([^,]+), ended ([^,]+), after (\S+) min)", span.c_str())},
        {5, power_failure ? printed(p, R"(raising: (not started))", "$1")
                          : printed(p, R"(raising: started ([^,]+), ended ([^,]+), after (\S+) min)", span.c_str())},
        {6, printed(p, R"(max_upstream_level \S+ m: ([^\n]+))", "$1")}};
    for (const auto& e : expected) {
      EXPECT_NE(cell(html, e.first, column).find(e.second), std::string::npos)
          << "row " << e.first << (power_failure ? " without" : " with") << " power: want " << e.second
          << " in " << cell(html, e.first, column);
    }
  }
}

// What the command prints of a route (its steps and solves counted).
std::string printed_route(const tqweir::operate::RoutedFlood& routed, const tqweir::operate::FloodJob& job,
                          const tqweir::operate::OperateCommand& command) {
  std::ostringstream out, err;
  const int status = tqweir::operate::print_routed_flood(routed, job, command, out, err);
  return std::to_string(status) + out.str() + err.str();
}

// The second route reads the paths the first solved: it must print and
// tabulate as it does alone. The first 7 hours of the flood lower the
// leaf both ways (the valve at 4 h 50 min, the float valve at 5 h 45 min).
TEST(FloodSection, RoutesSharingTheGatesPathsPrintAsEachAlone) {
  const tqweir::design::Design design = tqweir::design::read_design(kExample, {});
  tqweir::operate::OperateCommand command;
  command.dir = kExample;
  command.mode = tqweir::operate::Mode::flood;
  command.inflow = report::flood_inflow_path(design);
  tqweir::operate::FloodJob job =
      tqweir::operate::flood_job(tqweir::operate::operated(design), report::flood_request(design, false));
  job.inflow.seconds.resize(8);
  job.inflow.flows.resize(8);
  const std::vector<tqweir::operate::RoutedFlood> both = tqweir::operate::route_flood_both_ways(job);
  ASSERT_EQ(both.size(), 2u);
  const std::vector<tqweir::design::Criterion> criteria = tqweir::design::make_criteria(job.criteria);
  for (const tqweir::operate::RoutedFlood& shared : both) {
    ASSERT_TRUE(shared.started) << shared.stop;
    const tqweir::operate::RoutedFlood alone = tqweir::operate::route_flood(job, shared.power_failure);
    const char* what = shared.power_failure ? "without power" : "with power";
    EXPECT_EQ(printed_route(shared, job, command), printed_route(alone, job, command)) << what;
    EXPECT_TRUE(tqweir::operate::flood_series(shared.passage, criteria) ==
                tqweir::operate::flood_series(alone.passage, criteria))
        << what << ": the series differ";
  }
  EXPECT_TRUE(both[1].power_failure);
}

// Runs whose peak levels are `peaks`, with power first; a route stops
// where `finished` is false.
std::vector<report::FloodRun> fake_runs(const std::vector<double>& peaks, const std::vector<bool>& finished) {
  std::vector<report::FloodRun> runs(peaks.size());
  for (std::size_t k = 0; k < peaks.size(); ++k) {
    runs[k].started = true;
    runs[k].power_failure = k == 1;
    runs[k].passage.route.points.resize(1);
    runs[k].passage.route.points[0].time = 37440.0;
    runs[k].passage.route.peak.level = peaks[k];
    runs[k].passage.route.finished = finished[k];
    if (!finished[k]) runs[k].passage.route.stop = "the level is outside storage_curve (after 10.4 h)";
  }
  return runs;
}

TEST(FloodSection, PeakLevelAgainstMaxUpstreamLevelOnlyWhereTheRouteEnds) {
  tqweir::design::Design design;
  design.criteria.max_upstream_level = {true, 3.86, "3.86", 12};
  // At the limit, just above it, and within it where the route stops.
  const std::vector<report::FloodRun> runs = fake_runs({3.86, 3.8601, 3.5}, {true, true, false});
  const std::vector<report::Table::Row> rows = report::flood_check_rows(design, runs);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_NE(rows[0].cells.find("ok\">OK"), std::string::npos) << rows[0].cells;
  EXPECT_NE(rows[1].cells.find("ng\">NG"), std::string::npos) << rows[1].cells;
  EXPECT_NE(rows[2].cells.find("nd\">not determined"), std::string::npos) << rows[2].cells;
  EXPECT_NE(rows[2].cells.find("the route stops at 10 h 24 min"), std::string::npos) << rows[2].cells;
  EXPECT_EQ(rows[2].cells.find("OK"), std::string::npos) << rows[2].cells;
}

// The title block's verdict counts the flood's checks with the cases' and
// takes the style of what it says.
TEST(FloodSection, TheVerdictCountsTheFloodsChecksAndLooksAsItReads) {
  tqweir::design::Design design;
  design.criteria.max_upstream_level = {true, 3.86, "3.86", 12};
  const struct {
    std::vector<double> peaks;
    std::vector<bool> finished;
    const char* says;
  } cases[] = {
      {{3.5, 3.6}, {true, true}, "verdict ok\">0 ケース (正常終了 0, 停止 0) / 0 cases (0 finished, 0 stopped). "
                                 "照査 2 項目中 NG 0 / Checks: 0 of 2 NG.</p>"},
      {{3.5, 3.9}, {true, true}, "verdict ng\">0 ケース (正常終了 0, 停止 0) / 0 cases (0 finished, 0 stopped). "
                                 "照査 2 項目中 NG 1 / Checks: 1 of 2 NG.</p>"},
      {{3.5, 3.6}, {true, false}, "verdict nd\">0 ケース (正常終了 0, 停止 0) / 0 cases (0 finished, 0 stopped). "
                                  "照査 2 項目中 NG 0、判定不能 1 / Checks: 0 of 2 NG, 1 not determined "
                                  "(design flood without power: the route stops: the level is outside "
                                  "storage_curve (after 10.4 h)).</p>"},
  };
  for (const auto& c : cases) {
    const std::vector<report::FloodRun> runs = fake_runs(c.peaks, c.finished);
    const std::string block =
        report::title_block(design, {}, report::tally_checks(design, {}, runs), {"2026-12-10", "test"});
    EXPECT_NE(block.find(c.says), std::string::npos) << block;
  }
}

TEST(FloodSection, FloodInflowOutsideTheDesignFolderIsRefusedByLineAndColumn) {
  ScratchDir dir;
  dir.copy_from(kExample);
  // Paths that reach an existing hydrograph, from outside the folder or
  // back through it, and a name that is no file.
  const std::string folder = dir.path().substr(dir.path().find_last_of('/') + 1);
  for (const std::string& name : {"../" + folder + "/design_flood.csv", std::string(kExample) + "/design_flood.csv",
                                 std::string("missing.csv"), std::string("..")}) {
    dir.write("criteria.csv", "name,value\nmax_upstream_level,4.0\nflood_inflow," + name + "\n");
    try {
      tqweir::design::read_design(dir.path(), {});
      ADD_FAILURE() << name << " taken";
    } catch (const tqweir::text::InputError& error) {
      EXPECT_NE(std::string(error.what()).find("criteria.csv line 3, column 2 (flood_inflow)"),
                std::string::npos)
          << error.what();
    }
  }
}

}  // namespace
}  // namespace tqweir_test
