// The gate's paths carried to another process as bytes: what is read back
// writes the same bytes, and routes on it as the paths solved here do,
// without solving them again.
#include <string>

#include <gtest/gtest.h>

#include "flood/flood_passage.h"
#include "flood/shared_paths_bytes.h"
#include "support/test_cases.h"
#include "text/input_error.h"

namespace tqweir {
namespace flood {
namespace {

TEST(SharedPathsBytes, RestoredPathsRouteAsTheSolvedOnesWithoutSolving) {
  const CaseInput base = tqweir_test::case_in_folder(TQWEIR_SOURCE_DIR "/examples/design_flood");
  const operation::OperationFile file = operation::read_operation(
      "valve_area,0.00005\nvalve_coefficient,0.6\nlowered_angle,5\npond_area,5000\n"
      "lower_at_level,3.14\ninitial_level,3.15\n",
      "operation.csv");
  const Hydrograph inflow = read_hydrograph("hours,m3/s\n0,5\n0.05,60\n0.15,60\n0.3,2\n", "inflow.csv");
  // A route with the valves working fills the grid; one with the gate
  // failed, the sealed gate's states and first guesses.
  SharedPaths solved;
  const FloodPassage working = flood_passage(base, file, inflow, false, PassageSettings(), &solved);
  const FloodPassage failed = flood_passage(base, file, inflow, false, PassageSettings(), &solved, {true});
  ASSERT_TRUE(working.route.finished && failed.route.finished);
  ASSERT_FALSE(solved.grid->solved_indices().empty());
  ASSERT_FALSE(solved.sealed->knots().empty());

  const std::string bytes = shared_paths_bytes(solved);
  SharedPaths restored = restored_paths(bytes, base, file, PassageSettings());
  EXPECT_EQ(shared_paths_bytes(restored), bytes);
  const int grid_levels = static_cast<int>(restored.grid->solved_indices().size());
  const FloodPassage again = flood_passage(base, file, inflow, false, PassageSettings(), &restored);
  const FloodPassage again_failed =
      flood_passage(base, file, inflow, false, PassageSettings(), &restored, {true});
  EXPECT_EQ(again.route.peak.level, working.route.peak.level);
  EXPECT_EQ(again_failed.route.peak.level, failed.route.peak.level);
  EXPECT_EQ(static_cast<int>(restored.grid->solved_indices().size()), grid_levels);
  EXPECT_EQ(restored.sealed->solves(), 0);

  EXPECT_THROW(restored_paths(bytes.substr(0, bytes.size() / 2), base, file, PassageSettings()),
               text::InputError);
}

}  // namespace
}  // namespace flood
}  // namespace tqweir
