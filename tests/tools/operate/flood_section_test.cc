// The report's flood passage on examples/design_flood against what
// tqweir-operate --flood prints, its check of max_upstream_level, the
// weir's K-failed table and check of max_failed_gates, and criteria.csv's
// flood_inflow refused when it leaves the design folder.
#include <algorithm>
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
#include "studies/flood/failed_gates.h"
#include "studies/flood/routed_flood.h"
#include "studies/operation/operated_design.h"
#include "studies/report/failed_check.h"
#include "studies/report/flood_runs.h"
#include "studies/report/flood_section.h"
#include "studies/report/weir_section.h"
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

// max_failed_gates reads the K-failed table's row of that K, both ways: the
// worst choice's peak against max_upstream_level, a row whose routes did
// not all end not determined, and each counted in the title block's tally.
TEST(FloodSection, MaxFailedGatesChecksTheWorstChoiceOfThatManyBothWays) {
  tqweir::design::Design design;
  design.criteria.max_upstream_level = {true, 4.0, "4.0", 12};
  design.criteria.max_failed_gates = {true, 1.0, "1", 14};
  std::vector<tqweir::operate::FailedRow> table;
  const double peaks[] = {3.5, 3.6, 3.9, 0.0, 4.5, 4.6};  // K = 0, 1, 2; with power, then without
  for (int r = 0; r < 6; ++r) {
    tqweir::operate::FailedRow row;
    row.failed = r / 2;
    row.power_failure = r % 2 == 1;
    row.determined = r != 3;
    row.peak_level = peaks[r];
    row.worst = {2};
    if (!row.determined) row.stop = "the level is outside storage_curve (after 2.1 h)";
    table.push_back(row);
  }
  const std::vector<report::Table::Row> rows = report::failed_check_rows(design, table);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_NE(rows[0].cells.find("3.900 m</td><td class=\"num limit\">4.0 m"), std::string::npos) << rows[0].cells;
  EXPECT_NE(rows[0].cells.find("ok\">OK"), std::string::npos) << rows[0].cells;
  EXPECT_NE(rows[1].cells.find("nd\">not determined"), std::string::npos) << rows[1].cells;
  const report::CheckTally tally = report::tally_checks(design, {}, {}, table);
  EXPECT_EQ(tally.checks, 2u);
  EXPECT_EQ(tally.ng, 0u);
  ASSERT_EQ(tally.undetermined.size(), 1u);
  EXPECT_EQ(tally.undetermined[0],
            "design flood, 1 gate failed, without power: gate 2 failed: the route stops: the level is "
            "outside storage_curve (after 2.1 h)");
  table[2].peak_level = 4.0001;
  EXPECT_EQ(report::tally_checks(design, {}, {}, table).ng, 1u);

  // The section's table shows the undetermined row as such, never a peak.
  const std::string html = report::failed_gates_table(design, table);
  const std::size_t at = html.find("<tr data-failed=\"1\" data-checked=\"1\">");
  ASSERT_NE(at, std::string::npos) << html;
  const std::string row = html.substr(at, html.find("</tr>", at) - at);
  EXPECT_NE(row.find("4.000 m<br>"), std::string::npos) << row;
  EXPECT_NE(row.find("not determined"), std::string::npos) << row;
  EXPECT_NE(row.find("gate 2: the level is outside storage_curve (after 2.1 h)"), std::string::npos) << row;
  EXPECT_EQ(row.find("0.000 m"), std::string::npos) << row;
}

// A weir of two gates: the report's K-failed table holds, row by row, the
// peaks and times tqweir-operate --fail-count prints, each under its own
// power; the gates' chart draws one line per gate; a max_failed_gates
// above the weir's gates is refused where criteria.csv gives it.
TEST(FloodSection, TheWeirsTablesAreTheCommandsAndEachGateIsALine) {
  ScratchDir dir;
  dir.copy_from(TQWEIR_SOURCE_DIR "/examples/weir_flood");
  const std::string operation = dir.read("operation.csv");
  std::string two = std::regex_replace(operation, std::regex("gates,3"), "gates,2");
  two = std::regex_replace(two, std::regex("lower_at_levels,3.1 3.15 3.2"), "lower_at_levels,3.1 3.15");
  dir.write("operation.csv", two);
  // A file name with a character HTML escapes, shown escaped once.
  dir.write("weir & flood.csv", "hours,m3/s\n0,4\n4,40\n8,110\n12,110\n16,60\n");
  dir.write("criteria.csv", std::regex_replace(dir.read("criteria.csv"), std::regex("flood_inflow,weir_flood.csv"),
                                               "flood_inflow,weir & flood.csv"));
  const tqweir::design::Design design = tqweir::design::read_design(dir.path(), {});
  std::vector<tqweir::operate::FailedRow> failed;
  const std::vector<report::FloodRun> runs = report::run_floods(design, &failed);
  const std::string html = report::flood_section(design, runs, 8, failed);

  // The rows as tqweir-operate --fail-count 2 prints them.
  const tqweir::operate::FloodJob job =
      tqweir::operate::flood_job(tqweir::operate::operated(design), report::flood_request(design, false));
  std::string printed_rows;
  for (const tqweir::operate::FailedRow& row : tqweir::operate::failed_table(job, 2)) {
    printed_rows += tqweir::operate::failed_row_text(row) + "\n";
  }
  for (int k = 0; k <= 2; ++k) {
    const std::size_t at = html.find("<tr data-failed=\"" + std::to_string(k) + "\"");
    ASSERT_NE(at, std::string::npos) << k;
    const std::string row = html.substr(at, html.find("</tr>", at) - at);
    const std::string with = printed(printed_rows, ("  " + std::to_string(k) + R"( failed, with power: peak (\S+ m) at ([^,\n]+))").c_str(), "$1<br>$2");
    const std::string without = printed(printed_rows, ("  " + std::to_string(k) + R"( failed, without power: peak (\S+ m) at ([^,\n]+))").c_str(), "$1<br>$2");
    const std::size_t first = row.find(with);
    EXPECT_NE(first, std::string::npos) << with << " in " << row;
    EXPECT_NE(row.find(without, first == std::string::npos ? 0 : first + with.size()), std::string::npos)
        << without << " after " << with << " in " << row;
  }
  EXPECT_NE(html.find("The design flood weir &amp; flood.csv routed"), std::string::npos);
  // The weir's table: each gate's own level, the crest as operation.csv gives it.
  EXPECT_NE(html.find("gate 1: 3.1 m, gate 2: 3.15 m"), std::string::npos);
  EXPECT_NE(html.find("length 20 m, crest level 3.3 m, C 1.7 m^0.5/s"), std::string::npos);
  const std::size_t chart = html.find("data-field=\"flood-with-gates\"");
  ASSERT_NE(chart, std::string::npos);
  const std::string svg = html.substr(chart, html.find("</svg>", chart) - chart);
  // Each line as many points as the series has rows drawn, and each its
  // own gate's: gate 2 lowers later than gate 1.
  std::vector<std::string> lines;
  for (std::size_t at = svg.find("points=\""); at != std::string::npos; at = svg.find("points=\"", at + 1)) {
    lines.push_back(svg.substr(at + 8, svg.find('"', at + 8) - at - 8));
  }
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_GT(std::count(lines[0].begin(), lines[0].end(), ' '), 100);
  EXPECT_EQ(std::count(lines[1].begin(), lines[1].end(), ' '), std::count(lines[0].begin(), lines[0].end(), ' '));
  EXPECT_NE(lines[1], lines[0]);
  EXPECT_NE(svg.find(">gate 2</span>"), std::string::npos);

  dir.write("criteria.csv", std::regex_replace(dir.read("criteria.csv"), std::regex("max_failed_gates,1"), "max_failed_gates,3"));
  try {
    report::check_flood_inputs(tqweir::design::read_design(dir.path(), {}));
    ADD_FAILURE() << "3 failed gates of 2 taken";
  } catch (const tqweir::text::InputError& error) {
    EXPECT_NE(std::string(error.what()).find("criteria.csv line 12, column 2 (max_failed_gates): '3' is more than the weir's 2 gates"),
              std::string::npos) << error.what();
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
