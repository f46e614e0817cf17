// The leaf as a free body. The closure tests the whole: on every stored case
// that finishes and every example, the free body's moment about the hinge is
// the converged residual plus the gaps the method's conventions make, and
// its forces sum with the hinge's reaction to zero. A cantilever under
// uniform and triangular load tests the integration against wL^2/2, wL^2/6.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "core/stop.h"
#include "driver/case_solver.h"
#include "driver/memory_run.h"
#include "input/case_reader.h"
#include "leaf/internal_forces.h"
#include "leaf/leaf_forces.h"
#include "leaf/net_pressure.h"
#include "leaf/stations.h"

namespace {

using namespace tqweir;
using namespace tqweir::leaf;

// The case folders under `root` holding the three input files.
std::vector<std::string> case_folders(const std::string& root) {
  std::vector<std::string> out;
  for (const auto& e : std::filesystem::directory_iterator(root)) {
    if (std::filesystem::exists(e.path() / "hitai.csv") && std::filesystem::exists(e.path() / "parameter.csv")) {
      out.push_back(e.path().string());
    }
  }
  return out;
}

// Each case also in an earthquake (kh 0.15, which loads the gate: the bag
// must press harder), so that its added pressure and inertia close too.
TEST(LeafClosure, EveryFinishedCaseAndExampleClosesOnTheBalance) {
  std::vector<std::string> dirs = case_folders(std::string(TQWEIR_TEST_DATA) + "/cases");
  const std::vector<std::string> examples = case_folders(std::string(TQWEIR_SOURCE_DIR) + "/examples");
  dirs.insert(dirs.end(), examples.begin(), examples.end());
  int closed = 0, seismic = 0;
  for (const std::string& dir : dirs) for (const double kh : {0.0, 0.15}) {
    CaseTexts texts;
    if (!read_case_files(dir, texts)) continue;
    const MemoryRun run = run_in_memory(texts);
    if (run.exit_status != 0) continue;
    CaseInput input = run.input;
    input.seismic_coefficient = kh;
    SolvedCase solved;
    try {
      solved = solve_case(input, nullptr);
    } catch (const StopRun&) {
      continue;  // the earthquake may take a case beyond alpha's bracket
    }
    if (kh > 0.0) {
      EXPECT_GT(solved.state.trial.bag.bag_pressure, solve_case(run.input, nullptr).state.trial.bag.bag_pressure)
          << dir;
      ++seismic;
    }
    const LeafForces f = leaf_forces(solved.result);
    const Closure& c = f.closure;
    // Rounding of sums over a few hundred pieces of loads near the bag's.
    EXPECT_LT(std::fabs(c.moment_mismatch), 1e-11 * c.moment_scale) << dir;
    EXPECT_LT(std::fabs(c.force_mismatch.x), 1e-11 * c.force_scale) << dir;
    EXPECT_LT(std::fabs(c.force_mismatch.y), 1e-11 * c.force_scale) << dir;
    // The diagram's moment at the hinge is what it leaves unbalanced.
    const Station& hinge = f.internal.stations.back();
    if (hinge.s == 0.0) {
      EXPECT_NEAR(hinge.M, c.hinge_moment, 1e-9 * c.moment_scale) << dir;
    }
    // Stations no further apart than promised.
    for (std::size_t k = 1; k < f.internal.stations.size(); ++k) {
      EXPECT_LE(f.internal.stations[k - 1].s - f.internal.stations[k].s, kStationSpacing + 1e-12) << dir;
    }
    ++closed;
  }
  EXPECT_GE(closed, 45);
  EXPECT_GE(seismic, 20);
}

// A straight horizontal cantilever of length L from the hinge under a load
// towards its lower face: the bending moment at the root is wL^2/2 for a
// uniform load w and wL^2/6 for one falling from w at the root to 0 at the
// tip; the shear there is wL and wL/2; at a distance a from the tip the
// moment is w a^2/2 and w a^3/(6L).
TEST(LeafIntegration, CantileverRootMomentAndShear) {
  LeafLine line;
  const double L = 2.3, w = 1000.0;
  line.node = {{0.0, 0.0}, {L, 0.0}};
  line.s = {0.0, L};
  struct Shape {
    double root, tip, moment, shear, power;
  };
  for (const Shape& shape :
       {Shape{w, w, w * L * L / 2, w * L, 2.0}, Shape{w, 0.0, w * L * L / 6, w * L / 2, 3.0}}) {
    AppliedLoads loads;
    LineLoad load;
    load.segment = 1;
    load.sa = 0.0;
    load.sb = L;
    load.a = line.node[0];
    load.b = line.node[1];
    load.fa = {0.0, -shape.root};
    load.fb = {0.0, -shape.tip};
    loads.lines.push_back(load);
    const InternalForces f = integrate_internal_forces(line, loads, make_stations(line, {}, loads), {});
    const Station& root = f.stations.back();
    EXPECT_DOUBLE_EQ(root.s, 0.0);
    EXPECT_NEAR(root.M, shape.moment, 1e-9 * shape.moment);
    EXPECT_NEAR(root.V, shape.shear, 1e-9 * shape.shear);
    EXPECT_NEAR(f.max_M.value, shape.moment, 1e-9 * shape.moment);
    for (const Station& st : f.stations) {
      EXPECT_NEAR(st.M, shape.moment * std::pow((L - st.s) / L, shape.power), 1e-9 * shape.moment) << st.s;
    }
  }
}

// The net pressure on the skin plate: the water's own (its loads divided by
// the width factor they carry), summed on one side of a joint between two
// pieces, not both.
TEST(LeafNetPressure, WaterOwnPressureAndJointsCountedOnce) {
  LeafLine line;
  line.node = {{0.0, 0.0}, {2.0, 0.0}};
  line.s = {0.0, 2.0};
  const double wf = 1.25;
  AppliedLoads loads;
  for (double start : {0.0, 1.0}) {
    LineLoad water;
    water.term = Term::upstream;
    water.segment = 1;
    water.sa = start;
    water.sb = start + 1.0;
    water.a = {start, 0.0};
    water.b = {start + 1.0, 0.0};
    water.fa = water.fb = {0.0, -1000.0 * wf};
    loads.lines.push_back(water);
  }
  LineLoad bag = loads.lines[0];
  bag.term = Term::bag;
  bag.sb = 0.5;
  bag.b = {0.5, 0.0};
  bag.fa = bag.fb = {0.0, 400.0};
  loads.lines.push_back(bag);
  const Extreme p = largest_net_pressure(loads, line, wf);
  EXPECT_DOUBLE_EQ(p.value, 1000.0);
  EXPECT_GE(p.s, 0.5);
}

}  // namespace
