// Solving the cases in memory: stops in the order the program's run makes
// them, one stop never ends the others, the order of the results does not
// depend on the threads, and the result table holds every column.
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/messages.h"
#include "input/parameter_reader.h"
#include "input/profile_reader.h"
#include "input/syogen_reader.h"
#include "output/summary.h"
#include "text/csv_cells.h"
#include "studies/sweep/case_outcome.h"
#include "studies/sweep/result_table.h"

namespace {

using tqweir::CaseInput;
using tqweir::Message;
using tqweir::sweep::CaseOutcome;
using tqweir::cases::CaseTable;

CaseInput standard_case() {
  const std::string syogen = "0,10,0,5000,1,1,2,2.5,5,1,9800,9800\n";
  const std::string parameter = "1,2.5,0.3,0.5,15,45,2,3,10\n";
  const std::string hitai = "0,0\n3,0\n4,0.3\n";
  CaseInput input;
  input.syogen = tqweir::read_syogen(syogen);
  input.parameter = tqweir::read_parameter(parameter);
  input.points = tqweir::read_profile_points(hitai);
  return input;
}

// The TQSpec.csv line of examples/standard, as the program writes it.
const char kStandardSummary[] =
    "1, 2.500, 0.148, 0.300, 0.500, 1.063,15.000,45.000, 3.041, 2.000,36.992, 3.000, 0.722,"
    " 0.774, 0.776, 0.540, 0.206,29.057, 1.636,74.114,134.340,20.000,159.475,10.000,51.379,"
    "     0.000, 1.000";

CaseTable table_of(const std::string& text) {
  return tqweir::cases::read_case_table(text, "CASES.csv");
}

TEST(SolveOne, StandardCaseGivesTheProgramsSummary) {
  const CaseOutcome outcome = tqweir::sweep::solve_one(standard_case());
  EXPECT_TRUE(outcome.ok);
  EXPECT_EQ(outcome.status, "ok");
  EXPECT_EQ(outcome.message, tqweir::message_cp932(Message::finished));
  EXPECT_EQ(outcome.summary, kStandardSummary);
}

// Each row holds two faults; the stop is the one the program's run meets
// first: syogen.csv is read before parameter.csv, span before perimeter.
TEST(SolveOne, StopsComeInTheOrderOfTheRun) {
  const CaseTable table = table_of(
      "span,perimeter,leaf_weight,hd_nd,overflow_mode,upstream_level\n"
      "10,3,inf,nan,1,2.5\n"     // both files refuse: syogen first
      "0,3,5000,nan,1,2.5\n"     // parameter refuses before the span check
      "0,0,5000,0.3,1,2.5\n"     // span before perimeter
      "10,-1,5000,0.3,7,3.5\n"   // perimeter before the overflow mode
      "10,3,5000,0.3,7,3.5\n"    // water over the crest needs a mode 1..3
      "10,3,5000,0.3,7,2.5\n");  // below the crest no mode is needed
  const Message expected[] = {Message::syogen_invalid, Message::parameter_invalid,
                              Message::span_invalid,   Message::perimeter_invalid,
                              Message::overflow_mode_invalid, Message::finished};
  for (std::size_t row = 0; row < table.rows.size(); ++row) {
    const CaseOutcome outcome =
        tqweir::sweep::solve_one(tqweir::cases::case_input(standard_case(), table, row));
    EXPECT_EQ(outcome.status, tqweir::message_key(expected[row])) << "row " << row + 1;
    EXPECT_EQ(outcome.message, tqweir::message_cp932(expected[row])) << "row " << row + 1;
    EXPECT_EQ(outcome.ok, expected[row] == Message::finished);
    EXPECT_EQ(outcome.summary.empty(), !outcome.ok);
  }
}

TEST(SolveAll, ResultsAreInRowOrderWhateverTheThreads) {
  std::string text = "upstream_level,hd_nd\n";
  for (int i = 0; i < 40; ++i) {
    // Every seventh case stops; the others go on.
    text += std::to_string(0.1 * i) + "," + (i % 7 == 3 ? "nan" : "0.3") + "\n";
  }
  const CaseTable table = table_of(text);
  const std::vector<CaseOutcome> one = tqweir::sweep::solve_all(standard_case(), table, 1, {});
  std::size_t last_report = 0;
  int reports = 0;
  const std::vector<CaseOutcome> many = tqweir::sweep::solve_all(
      standard_case(), table, 5, [&](std::size_t done) {
        EXPECT_GE(done, last_report);
        last_report = done;
        ++reports;
      });
  EXPECT_EQ(last_report, table.rows.size());
  EXPECT_GE(reports, 1);
  ASSERT_EQ(one.size(), table.rows.size());
  ASSERT_EQ(many.size(), table.rows.size());
  for (std::size_t row = 0; row < table.rows.size(); ++row) {
    const CaseOutcome alone =
        tqweir::sweep::solve_one(tqweir::cases::case_input(standard_case(), table, row));
    EXPECT_EQ(one[row].status, (row % 7 == 3) ? "parameter_invalid" : "ok") << row;
    EXPECT_EQ(one[row].summary, alone.summary) << row;
    EXPECT_EQ(many[row].summary, alone.summary) << row;
    EXPECT_EQ(many[row].status, alone.status) << row;
  }
}

TEST(ResultTable, EveryColumnIsNamedAndFilled) {
  const CaseTable table = table_of("upstream_level,stopper_tension\n2.50,10\n2.5,nan\n");
  const std::vector<CaseOutcome> outcomes =
      tqweir::sweep::solve_all(standard_case(), table, 2, {});
  const std::string text = tqweir::sweep::result_table(table, outcomes);
  const std::vector<tqweir::text::CsvRow> rows = tqweir::text::split_csv(text, "result");
  ASSERT_EQ(rows.size(), 3u);
  const std::size_t columns = 1 + 2 + 2 + tqweir::kSummaryFieldCount;
  for (const auto& row : rows) EXPECT_EQ(row.cells.size(), columns);
  EXPECT_EQ(rows[0].cells[0], "case");
  EXPECT_EQ(rows[0].cells[1], "in_upstream_level_m");
  EXPECT_EQ(rows[0].cells[2], "in_stopper_tension_kn");
  EXPECT_EQ(rows[0].cells[3], "status");
  EXPECT_EQ(rows[0].cells[4], "message");
  EXPECT_EQ(rows[0].cells[5], "overflow_mode");
  EXPECT_EQ(rows[0].cells[22], "alpha");

  // The values as written, the summary line's fields with their padding.
  const std::string second_line = text.substr(text.find("\r\n") + 2);
  EXPECT_EQ(second_line.substr(0, second_line.find("\r\n")),
            "1,2.50,10,ok," + tqweir::message_cp932(Message::finished) + "," + kStandardSummary);

  EXPECT_EQ(rows[2].cells[0], "2");
  EXPECT_EQ(rows[2].cells[3], "parameter_invalid");
  EXPECT_EQ(rows[2].cells[4], tqweir::message_cp932(Message::parameter_invalid));
  for (std::size_t c = 5; c < columns; ++c) EXPECT_EQ(rows[2].cells[c], "") << c;

  // CR LF after every row and nowhere else.
  std::size_t crlf = 0;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) crlf += text.compare(i, 2, "\r\n") == 0;
  EXPECT_EQ(crlf, 3u);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

}  // namespace
