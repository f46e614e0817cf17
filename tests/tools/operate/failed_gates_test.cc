// A weir of gates that fail: the highest peak level over every choice of
// K failed gates never falls as K grows, with power and without.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "flood/hydrograph.h"
#include "operation/operation_file.h"
#include "studies/flood/failed_gates.h"
#include "support/test_cases.h"

namespace tqweir {
namespace operate {
namespace {

const std::string kDesign = TQWEIR_SOURCE_DIR "/examples/design_flood";

TEST(FailedGates, ThePeakLevelNeverFallsAsMoreGatesFail) {
  FloodJob job;
  job.base = tqweir_test::case_in_folder(kDesign);
  // Four gates lowering in sequence, two blowers; the flood lowers them all.
  job.file = operation::read_operation(
      "valve_area,0.00005\nvalve_coefficient,0.6\nblower_curve,0:1.5 100:1.4 200:1.25 250:1.1 "
      "300:0\nlowered_angle,5\npond_area,20000\ngates,4\nblowers,2\n"
      "lower_at_levels,3.14 3.15 3.16 3.17\nbackup_lower_at_levels,3.2\nraise_at_level,3.12\n"
      "initial_level,3.13\n",
      "operation.csv");
  job.inflow = flood::read_hydrograph(
      "hours,m3/s\n0,10\n0.03,10\n0.06,160\n0.15,160\n0.2,8\n1,8\n", "inflow.csv");
  const std::vector<FailedRow> rows = failed_table(job);
  ASSERT_EQ(rows.size(), 10u);
  const int choices[] = {1, 4, 6, 4, 1};
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const FailedRow& row = rows[r];
    ASSERT_TRUE(row.determined) << failed_row_text(row);
    EXPECT_EQ(row.choices, choices[row.failed]) << failed_row_text(row);
    if (r >= 2) {
      EXPECT_GE(row.peak_level, rows[r - 2].peak_level)
          << failed_row_text(rows[r - 2]) << failed_row_text(row);
    }
  }
  // Every gate failed is the same weir with power or without.
  EXPECT_EQ(rows[8].peak_level, rows[9].peak_level);
  EXPECT_GT(rows[8].peak_level, rows[0].peak_level + 0.01);
}

}  // namespace
}  // namespace operate
}  // namespace tqweir
