// The tqweir-operate binary on examples/design_operation: each row of its
// table is what tqweir writes for the row's inputs, and bad input is
// refused with nothing written.
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cases/case_files.h"
#include "support/case_runner.h"
#include "support/test_cases.h"
#include "text/csv_cells.h"
#include "text/number_text.h"
#include "studies/operation/operate_case.h"
#include "studies/operation/operate_output.h"

namespace tqweir_test {
namespace {

const std::string kDesign = TQWEIR_SOURCE_DIR "/examples/design_operation";

ProgramRun operate(const ScratchDir& dir, const std::string& args) {
  return run_program_output(TQWEIR_OPERATE_BINARY, dir, args);
}

TEST(OperateCommand, EveryRowIsTheRunOfItsInputsAndTheFoldIsPrinted) {
  ScratchDir dir;
  const ProgramRun run = operate(dir, kDesign + " --lower --case '中間水位 tailwater on the leaf' -o " +
                                          dir.file("lower.csv"));
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("fold: at 1.500 m the leaf falls from 37.8 to 36.4 degrees at once"),
            std::string::npos)
      << run.out;
  const std::vector<tqweir::text::CsvRow> rows = tqweir::text::split_csv(dir.read("lower.csv"), "lower.csv");
  ASSERT_GT(rows.size(), 20u);
  ASSERT_EQ(rows[0].cells[3], "in_theta1_deg");
  ASSERT_EQ(rows[0].cells[9], "overflow_mode");
  // The base case with the load case's values, then each row's two unknowns.
  tqweir::CaseInput input = case_in_folder(kDesign);
  input.parameter.upstream_level = 1.5;
  input.parameter.hd_nd = 0.9;
  const std::string hitai = read_file(kDesign + "/hitai.csv");
  // Rows of both stages, the narrowed fold's two ends and the last.
  std::vector<std::size_t> checked{1, 5, rows.size() / 2, rows.size() - 1};
  for (std::size_t r = 1; r < rows.size(); ++r) {
    if (rows[r].cells[2] == "fold") checked.insert(checked.end(), {r - 1, r});
  }
  ASSERT_EQ(checked.size(), 6u);
  for (std::size_t r : checked) {
    input.parameter.theta1_deg = std::strtod(rows[r].cells[3].c_str(), nullptr);
    input.parameter.stopper_tension = std::strtod(rows[r].cells[4].c_str(), nullptr);
    ScratchDir check;
    const tqweir::CaseTexts texts = tqweir::cases::exact_case_texts(input, hitai);
    check.write("syogen.csv", texts.syogen);
    check.write("parameter.csv", texts.parameter);
    check.write("hitai.csv", texts.hitai);
    ASSERT_EQ(run_tqweir(check), 0);
    // The table's cells as a spreadsheet reads them: the padding of the
    // printed fields is trimmed on both sides.
    EXPECT_EQ(std::vector<std::string>(rows[r].cells.begin() + 9, rows[r].cells.end()),
              tqweir::text::split_csv(check.read("TQSpec.csv"), "TQSpec.csv")[0].cells)
        << "row " << r;
  }
}

// The number after `key` in the printout.
double printed_after(const std::string& out, const std::string& key) {
  const std::size_t at = out.find(key);
  return at == std::string::npos ? 0.0 : std::strtod(out.c_str() + at + key.size(), nullptr);
}

TEST(OperateCommand, TheSizedValveLowersInTheTimeAsked) {
  ScratchDir dir;
  dir.copy_from(kDesign);
  const ProgramRun sized = operate(dir, ". --lower --within 1.5");
  ASSERT_EQ(sized.status, 0) << sized.out << sized.err;
  const double area = printed_after(sized.out, "the valve_area must be ");
  ASSERT_GT(area, 0.0) << sized.out;
  dir.write("operation.csv", "valve_area," + tqweir::text::exact_text(area) + "\nvalve_coefficient,0.6\nlowered_angle,5\n");
  const ProgramRun run = operate(dir, ". --lower");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  // The area as printed, exactly; the time printed to a tenth of a second.
  EXPECT_NEAR(printed_after(run.out, "0.6): 1 min "), 30.0, 0.051) << run.out;
}

TEST(OperateCommand, ATimeNotDeterminedToItsAccuracySizesNothingAndFails) {
  const tqweir::operation::OperationFile file = tqweir::operate::read_operation_file(kDesign);
  tqweir::operation::GateOperation op = tqweir::operation::lower_gate(case_in_folder(kDesign), file);
  ASSERT_TRUE(op.timeline.accurate);
  op.timeline.accurate = false;
  std::ostringstream out;
  EXPECT_FALSE(tqweir::operate::print_operation(op, file, {"base", true, 2.0}, out));
  EXPECT_NE(out.str().find("add up to 0.0028 %): the time is not determined to 0.1 %\n"),
            std::string::npos)
      << out.str();
  EXPECT_NE(out.str().find("sizing: not determined"), std::string::npos) << out.str();
}

TEST(OperateCommand, BadInputIsRefusedWithNothingWritten) {
  ScratchDir dir;
  dir.copy_from(kDesign);
  dir.write("operation.csv", "valve_area,0.0002\r\nvalve_coefficient,-1\r\nlowered_angle,5\r\n");
  const ProgramRun bad = operate(dir, ". --lower -o out.csv");
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("operation.csv line 2, column 2 (valve_coefficient)"), std::string::npos) << bad.err;
  EXPECT_FALSE(dir.exists("out.csv"));
  EXPECT_EQ(operate(dir, ". --lower -o operation.csv").status, 2);
  EXPECT_EQ(operate(dir, ". --raise").status, 2);  // no blower_curve given
  EXPECT_EQ(operate(dir, ". --lower --within 0").status, 2);
  EXPECT_EQ(read_file(dir.file("operation.csv")),
            "valve_area,0.0002\r\nvalve_coefficient,-1\r\nlowered_angle,5\r\n");
}

}  // namespace
}  // namespace tqweir_test
