// tqweir-operate --rating and --flood on examples/design_flood: the
// rating's rows are direct solves, and a command line that does not fit
// is refused before any solve; the printout's checks of a route that
// stops, and its times before the hydrograph's 0.
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "studies/flood/flood_output.h"
#include "studies/operation/operate_output.h"
#include "flood/fixed_gate.h"
#include "flood/rating.h"
#include "support/case_runner.h"
#include "support/test_cases.h"
#include "text/csv_cells.h"

namespace tqweir_test {
namespace {

const std::string kDesign = TQWEIR_SOURCE_DIR "/examples/design_flood";

ProgramRun operate(const ScratchDir& dir, const std::string& args) {
  return run_program_output(TQWEIR_OPERATE_BINARY, dir, args);
}

TEST(FloodCommand, RatingRowsAreDirectSolves) {
  ScratchDir dir;
  const ProgramRun run =
      operate(dir, kDesign + " --rating 2.9:3.3:0.2 --angles 45,20 -o " + dir.file("rating.csv"));
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const std::vector<tqweir::text::CsvRow> rows =
      tqweir::text::split_csv(dir.read("rating.csv"), "rating.csv");
  ASSERT_EQ(rows.size(), 1u + 3u * 3u);  // header, two held angles and the sealed bag
  const tqweir::CaseInput base = case_in_folder(kDesign);
  tqweir::flood::FixedGate held(base, 20.0);
  const tqweir::flood::Knot k = held.direct(3.1);
  ASSERT_TRUE(k.held);
  EXPECT_EQ(rows[5].cells[0], "theta1_deg=20");
  EXPECT_EQ(rows[5].cells[1], "3.1");
  EXPECT_EQ(std::stod(rows[5].cells[7]), k.state.outflow);
  const std::vector<tqweir::flood::RatingRow> sealed =
      tqweir::flood::rating(base, {2.9, 3.1, 3.3}, {}, true);
  EXPECT_EQ(rows[8].cells[0], "sealed");
  EXPECT_EQ(std::stod(rows[8].cells[7]), sealed[1].discharge);
}

TEST(FloodCommand, ACommandLineThatDoesNotFitIsRefusedBeforeAnySolve) {
  ScratchDir dir;
  dir.copy_from(kDesign);
  const std::vector<std::string> bad = {
      ". --flood design_flood.csv --flood design_flood.csv",  // repeated
      ". --flood design_flood.csv --angles 10",               // --rating's option
      ". --rating 2:3:0.5 --power-failure",                   // --flood's option
      ". --flood design_flood.csv --case x",                  // --lower's option
      ". --flood design_flood.csv --rating 2:3:0.5",          // two modes
      ". --rating 3:2:0.5",                                   // FROM above TO
      ". --flood design_flood.csv -o design_flood.csv",       // the inflow itself
      ". --flood missing.csv",
      ". --flood design_flood.csv --failed 0",    // gate numbers from 1
      ". --flood design_flood.csv --failed 1,1",  // a gate twice
      ". --flood design_flood.csv --failed 1.5",  // not whole
      ". --flood design_flood.csv --failed 2",    // beyond the weir's one gate
  };
  for (const std::string& args : bad) {
    const ProgramRun run = operate(dir, args);
    EXPECT_EQ(run.status, 2) << args << "\n" << run.out << run.err;
    EXPECT_EQ(run.out, "") << args;
  }
  dir.write("operation.csv", "pond_area,1e5\r\nlower_at_level,3\r\n");
  const ProgramRun run = operate(dir, ". --flood design_flood.csv");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("operation.csv line 2, column 2 (lower_at_level): needs valve_area"),
            std::string::npos)
      << run.err;
}

// A route from -10 h that stops at -4.9 h with the level 3.566 m so far:
// within 3.7 m, but what the rest of the flood would do is not known.
TEST(FloodCommand, ARouteThatStopsDeterminesNoCheckItHasNotFailed) {
  tqweir::flood::FloodPassage p;
  p.route.points.resize(2);
  p.route.points[0].time = -36000.0;
  p.route.points[0].level = 3.0;
  p.route.points[1].time = -17640.0;
  p.route.points[1].level = 3.566;
  p.route.peak = p.route.points[1];
  p.route.stop = "the level 3.6 m is outside storage_curve (0 to 3.6 m) (after -4.9 h)";
  const tqweir::design::Limit limit{true, 3.7, "3.7", 12};
  const auto printout = [&p, &limit]() {
    std::ostringstream out;
    tqweir::operate::print_flood(p, {}, limit, false, out);
    return out.str();
  };
  EXPECT_NE(printout().find("the route stops: the level 3.6 m is outside storage_curve"), std::string::npos);
  EXPECT_NE(printout().find("freeboard to max_upstream_level 3.7 m: 0.134 m  not determined: the route "
                            "stops at -4 h 54 min (-17640 s)\n"),
            std::string::npos)
      << printout();
  EXPECT_EQ(printout().find("OK"), std::string::npos) << printout();
  p.route.finished = true;
  EXPECT_NE(printout().find("0.134 m  OK\n"), std::string::npos) << printout();
  // Past the limit before the stop: NG whatever would have followed.
  p.route.finished = false;
  p.route.peak.level = 3.75;
  EXPECT_NE(printout().find("-0.050 m  NG\n"), std::string::npos) << printout();

  // Times as the hydrograph gives them, and a rest of 59.96 s rounded into the minute.
  EXPECT_EQ(tqweir::operate::clock_text(-18572.0), "-5 h 09 min (-18572 s)");
  EXPECT_EQ(tqweir::operate::duration_text(59.96), "1 min 0.0 s (60.0 s)");
}

}  // namespace
}  // namespace tqweir_test
