// Reading a run's files back: what the program writes for a real case, the
// refusal of malformed rows, the floor's angle, and the message log.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "core/messages.h"
#include "driver/case_solver.h"
#include "input/case_reader.h"
#include "support/test_cases.h"
#include "studies/figure/run_folder.h"
#include "studies/figure/run_results.h"
#include "standard_run.h"

namespace tqweir {
namespace plot {
namespace {

const double kPi = std::acos(-1.0);

OutputTexts minimal_texts() {
  OutputTexts t;
  t.gate = "1.0,-0.1\r\n0,0\r\n1,1\r\n";
  t.stopper = "0.5,0.5\r\n1,-0.1\r\n";
  t.balloon = "0,0\r\n0.2,0.2\r\n0.3,0\r\n0,0\r\n";
  t.surface = "0,2,2,0\r\n";
  t.summary = "1";
  for (int i = 1; i < kSummaryFieldCount; ++i) t.summary += ", 0.500";
  return t;
}

TEST(RunResults, ReadsBackWhatTheProgramWritesForTheStandardExample) {
  const RunResults r = parse_outputs(standard_run_texts());
  EXPECT_EQ(r.leaf.size(), 3u);  // the three points of hitai.csv
  EXPECT_EQ(r.leaf.front().x, 0.0);
  EXPECT_GT(r.bag.size(), 300u);
  // The floor's direction from the floor point matches the 5 degree floor.
  EXPECT_NEAR(r.floor_slope, -std::tan(5.0 * kPi / 180.0), 1e-7);
  // Every summary field by its id, as the program computed it.
  const SolvedCase solved = solve_case(
      tqweir_test::case_in_folder(std::string(TQWEIR_SOURCE_DIR) + "/examples/standard"),
      [](const std::string&) {});
  for (const SummaryField& f : summary_fields()) {
    EXPECT_NEAR(r.value(f.id), solved.summary.value(f.id), 5e-4) << f.name;
  }
  EXPECT_EQ(r.text(SummaryId::alpha), "29.057");
}

TEST(RunResults, AcceptsLineFeedsAndAMissingLastLineEnd) {
  OutputTexts t = minimal_texts();
  t.gate = "1.0,-0.1\n0,0\n1,1";
  t.summary += "\r\n";
  const RunResults r = parse_outputs(t);
  EXPECT_EQ(r.leaf.size(), 2u);
  EXPECT_DOUBLE_EQ(r.floor_slope, -0.1);
  EXPECT_EQ(r.text(SummaryId::discharge_coefficient), "0.500");
}

TEST(RunResults, RefusesMalformedFilesNamingFileAndLine) {
  struct Case {
    const char* what;
    std::string OutputTexts::*file;
    std::string text;
    const char* expected;  // part of the message
  };
  const Case cases[] = {
      {"text in a row", &OutputTexts::gate, "1,0\r\n0,0\r\nabc,1\r\n", "XYGate.csv line 3"},
      {"one number", &OutputTexts::gate, "1,0\r\n0\r\n1,1\r\n", "XYGate.csv line 2"},
      {"three numbers", &OutputTexts::balloon, "0,0\r\n1,2,3\r\n0,0\r\n", "XYBalloon.csv line 2"},
      {"outline cut after a row", &OutputTexts::balloon, "0,0\r\n0.2,0.2\r\n0.3,0\r\n",
       "XYBalloon.csv line 3: the bag's outline does not close"},
      {"outline cut in its last row", &OutputTexts::balloon, "0,0\r\n0.2,0.2\r\n0.3,0\r\n0.0",
       "XYBalloon.csv line 4"},
      {"empty line inside", &OutputTexts::balloon, "0,0\r\n\r\n0,0\r\n1,1\r\n",
       "XYBalloon.csv line 2"},
      {"not a number", &OutputTexts::stopper, "nan,0\r\n1,1\r\n", "XYStopper.csv line 1"},
      {"infinite", &OutputTexts::stopper, "1,0\r\n1,inf\r\n", "XYStopper.csv line 2"},
      {"out of range", &OutputTexts::stopper, "1,0\r\n1,1e999\r\n", "XYStopper.csv line 2"},
      {"trailing text", &OutputTexts::gate, "1,0\r\n0,0\r\n1,1m\r\n", "XYGate.csv line 3"},
      {"trailing comma", &OutputTexts::gate, "1,0\r\n0,0\r\n1,1,\r\n", "XYGate.csv line 3"},
      {"too few leaf nodes", &OutputTexts::gate, "1,0\r\n0,0\r\n", "XYGate.csv"},
      {"a third stopper row", &OutputTexts::stopper, "1,0\r\n1,1\r\n2,2\r\n", "XYStopper.csv"},
      {"empty surface file", &OutputTexts::surface, "", "suimen.csv"},
      {"surface row of three", &OutputTexts::surface, "0,1,1\r\n", "suimen.csv line 1"},
      {"summary of 26 fields", &OutputTexts::summary,
       "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26", "TQSpec.csv"},
      {"summary on two lines", &OutputTexts::summary, "1\r\n2", "TQSpec.csv"},
  };
  for (const Case& c : cases) {
    OutputTexts t = minimal_texts();
    t.*c.file = c.text;
    try {
      parse_outputs(t);
      ADD_FAILURE() << c.what << ": accepted";
    } catch (const PlotInputError& e) {
      EXPECT_NE(std::string(e.what()).find(c.expected), std::string::npos)
          << c.what << ": " << e.what();
    }
  }
}

TEST(RunResults, AFloorPointAtTheHingeTakesTheFloorAngleFromSyogen) {
  OutputTexts t = minimal_texts();
  t.gate = "0.00000000,0.00000000\r\n0,0\r\n1,1\r\n";
  t.syogen = "0,10,0,5000,1,1,2,0,30,1,9800,9800\n";
  EXPECT_NEAR(parse_outputs(t).floor_slope, -std::tan(kPi / 6.0), 1e-9);
  t.syogen = "0,10,0\n";
  EXPECT_THROW(parse_outputs(t), PlotInputError);
  t.syogen.clear();
  try {
    parse_outputs(t);
    ADD_FAILURE() << "accepted without syogen.csv";
  } catch (const PlotInputError& e) {
    EXPECT_NE(std::string(e.what()).find("syogen.csv is missing"), std::string::npos);
  }
}

TEST(RunResults, TheWetSurfaceLeavesOutTheDryMarkAndRepeatedRows) {
  OutputTexts t = minimal_texts();
  t.surface = "0,2.5,2.5,0\r\n1,2.5,1.5,1\r\n1,2.5,1.5,1\r\n1,1,0,1\r\n";
  const std::vector<Point> wet = parse_outputs(t).wet_surface();
  ASSERT_EQ(wet.size(), 2u);
  EXPECT_EQ(wet[1].x, 1.0);
  EXPECT_EQ(wet[1].y, 2.5);
}

TEST(MessageLogCheck, OnlyTheSuccessNoticeAloneCounts) {
  const std::string notice = message_cp932(Message::finished);
  EXPECT_TRUE(holds_success_notice(notice + "\r\n"));
  EXPECT_TRUE(holds_success_notice(notice + "\n"));
  EXPECT_TRUE(holds_success_notice(notice));
  EXPECT_FALSE(holds_success_notice(""));
  EXPECT_FALSE(holds_success_notice(message_utf8(Message::finished) + "\r\n"));
  EXPECT_FALSE(holds_success_notice(message_cp932(Message::tension_negative) + "\r\n"));
  EXPECT_FALSE(holds_success_notice("old line\r\n" + notice + "\r\n"));
}

TEST(MessageLogCheck, DescribesAStopInUtf8WithItsMeaning) {
  const std::string tension = describe_log(message_cp932(Message::tension_negative) + "\r\n");
  EXPECT_NE(tension.find(message_utf8(Message::tension_negative)), std::string::npos);
  EXPECT_NE(tension.find(message_meaning(Message::tension_negative)), std::string::npos);
  const std::string write =
      describe_log(message_cp932(Message::write_failed, "TQSpec.csv") + "\r\n");
  EXPECT_NE(write.find(message_utf8(Message::write_failed, "TQSpec.csv")), std::string::npos);
  EXPECT_EQ(describe_log(""), "error.csv is empty");
  EXPECT_EQ(describe_log("\xff\xfe garbage").find("garbage"), std::string::npos);
}

}  // namespace
}  // namespace plot
}  // namespace tqweir
