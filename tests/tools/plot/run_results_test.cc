// Reading a run's output files back: the files the core writes for a real
// case, the refusal of malformed rows, and the message log.
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "driver/case_solver.h"
#include "core/messages.h"
#include "input/case_reader.h"
#include "input/parameter_reader.h"
#include "input/profile_reader.h"
#include "input/syogen_reader.h"
#include "tools/plot/number_rows.h"
#include "tools/plot/run_results.h"

namespace tqweir {
namespace plot {
namespace {

const double kPi = std::acos(-1.0);

// The output files of the standard example, as the core builds them.
struct SolvedExample {
  SolvedCase solved;
  OutputTexts texts;
};

SolvedExample solve_standard_example() {
  const CaseInput input = read_case_folder(std::string(TQWEIR_SOURCE_DIR) + "/examples/standard");
  SolvedExample e;
  e.solved = solve_case(input, [&](const std::string& rows) { e.texts.surface = rows; });
  e.texts.gate = e.solved.files.gate;
  e.texts.stopper = e.solved.files.stopper;
  e.texts.balloon = e.solved.files.balloon;
  e.texts.summary = e.solved.summary.text;
  return e;
}

OutputTexts minimal_texts() {
  OutputTexts t;
  t.gate = "1.0,-0.1\r\n0,0\r\n1,1\r\n";
  t.stopper = "0.5,0.5\r\n1,-0.1\r\n";
  t.balloon = "0,0\r\n0.2,0.2\r\n0.3,0\r\n0,0\r\n";
  t.surface = "0,2,2,0\r\n";
  t.summary = "1";
  for (int i = 1; i < kSummaryFields; ++i) t.summary += ", 0.500";
  return t;
}

TEST(RunResults, ReadsBackWhatTheCoreWritesForTheStandardExample) {
  const SolvedExample e = solve_standard_example();
  const RunResults r = parse_outputs(e.texts);
  const RunState& s = e.solved.state;
  ASSERT_EQ(static_cast<int>(r.leaf.size()), s.profile.node_count);
  for (int i = 0; i < s.profile.node_count; ++i) {
    EXPECT_NEAR(r.leaf[i].x, s.profile.node_x[i], 5e-9);
    EXPECT_NEAR(r.leaf[i].y, s.profile.node_y[i], 5e-9);
  }
  EXPECT_NEAR(r.stopper_anchor.x, s.trial.balance.anchor_x, 5e-9);
  EXPECT_NEAR(r.stopper_foot.y, s.trial.balance.stopper_base_y, 5e-9);
  EXPECT_GT(r.bag.size(), 300u);
  EXPECT_GE(r.surface.size(), 1u);
  // The floor's direction from the floor point matches the 5 degree floor.
  EXPECT_NEAR(r.floor_slope, -std::tan(5.0 * kPi / 180.0), 1e-7);
  for (int i = 0; i < kSummaryFields; ++i) {
    EXPECT_NEAR(r.summary[i], e.solved.summary.fields[i], 5e-4) << "field " << i + 1;
  }
}

TEST(RunResults, AcceptsLineFeedsAndAMissingLastLineEnd) {
  OutputTexts t = minimal_texts();
  t.gate = "1.0,-0.1\n0,0\n1,1";
  t.summary += "\r\n";
  const RunResults r = parse_outputs(t);
  EXPECT_EQ(r.leaf.size(), 2u);
  EXPECT_DOUBLE_EQ(r.floor_slope, -0.1);
  EXPECT_DOUBLE_EQ(r.summary[26], 0.5);
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
      {"empty line inside", &OutputTexts::balloon, "0,0\r\n\r\n0,0\r\n1,1\r\n",
       "XYBalloon.csv line 2"},
      {"not a number", &OutputTexts::stopper, "nan,0\r\n1,1\r\n", "XYStopper.csv line 1"},
      {"infinite", &OutputTexts::stopper, "1,0\r\n1,inf\r\n", "XYStopper.csv line 2"},
      {"out of range", &OutputTexts::stopper, "1,0\r\n1,1e999\r\n", "XYStopper.csv line 2"},
      {"number with trailing text", &OutputTexts::gate, "1,0\r\n0,0\r\n1,1m\r\n",
       "XYGate.csv line 3"},
      {"too few leaf nodes", &OutputTexts::gate, "1,0\r\n0,0\r\n", "XYGate.csv"},
      {"a third stopper row", &OutputTexts::stopper, "1,0\r\n1,1\r\n2,2\r\n", "XYStopper.csv"},
      {"empty surface file", &OutputTexts::surface, "", "suimen.csv"},
      {"surface row of three", &OutputTexts::surface, "0,1,1\r\n", "suimen.csv line 1"},
      {"summary of 26 fields", &OutputTexts::summary, "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,"
                                                     "17,18,19,20,21,22,23,24,25,26",
       "TQSpec.csv"},
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

TEST(RunResults, FloorPointAtTheHingeLeavesTheSlopeToSyogen) {
  OutputTexts t = minimal_texts();
  t.gate = "0.00000000,0.00000000\r\n0,0\r\n1,1\r\n";
  EXPECT_TRUE(std::isnan(parse_outputs(t).floor_slope));
  const std::string syogen = "0,10,0,5000,1,1,2,0,30,1,9800,9800\n";
  EXPECT_NEAR(floor_slope_from_syogen(syogen), -std::tan(kPi / 6.0), 1e-9);
  const std::string short_syogen = "0,10,0\n";
  EXPECT_THROW(floor_slope_from_syogen(short_syogen), PlotInputError);
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
