// The leaf as a free body against the balance and against the textbook: on
// every case given, the free body's moment about the hinge less the
// method's conventions is the converged residual and its forces close with
// the hinge's reaction; a straight cantilever under a uniform and a
// triangular load gives the root moments wL^2/2 and wL^2/6 through the same
// integration; the skin plate's panel formula gives the hand value.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "design/leaf_checks.h"
#include "driver/memory_run.h"
#include "input/case_reader.h"
#include "leaf/internal_forces.h"
#include "leaf/leaf_forces.h"
#include "leaf/stations.h"
#include "tools/verify/problem.h"

namespace tqweir {
namespace verify {
namespace {

const char kGroup[] = "Leaf: the free body and the checks of its steel";

Problem problem(const char* id, const std::string& what, const std::string& reference, const char* kind,
                double reference_value, double value, bool relative, double tolerance) {
  return {kGroup, id, what, reference, kind, reference_value, value, relative, tolerance};
}

// The root's moment (N m / m) of a horizontal cantilever of length L from
// the hinge under a load towards its lower face falling linearly from
// `root` to `tip` (N/m per m).
double cantilever_root_moment(double L, double root, double tip) {
  leaf::LeafLine line;
  line.node = {{0.0, 0.0}, {L, 0.0}};
  line.s = {0.0, L};
  leaf::LineLoad load;
  load.segment = 1;
  load.sb = L;
  load.a = line.node[0];
  load.b = line.node[1];
  load.fa = {0.0, -root};
  load.fb = {0.0, -tip};
  leaf::AppliedLoads loads;
  loads.lines.push_back(load);
  return leaf::integrate_internal_forces(line, loads, leaf::make_stations(line, {}, loads), {}).stations.back().M;
}

}  // namespace

void leaf_problems(std::ostream& out, const std::vector<std::string>& case_dirs) {
  double worst_moment = 0.0, worst_force = 0.0;
  std::vector<std::vector<std::string>> rows;
  for (const std::string& dir : case_dirs) {
    CaseTexts texts;
    if (!read_case_files(dir, texts)) continue;
    const MemoryRun run = run_in_memory(texts);
    if (run.exit_status != 0) continue;
    const leaf::Closure c = leaf::leaf_forces(run.result).closure;
    const double moment = std::fabs(c.moment_mismatch) / c.moment_scale;
    const double force = std::hypot(c.force_mismatch.x, c.force_mismatch.y) / c.force_scale;
    worst_moment = std::max(worst_moment, moment);
    worst_force = std::max(worst_force, force);
    const std::string name = dir.substr(dir.find_last_of('/') + 1);
    rows.push_back({name, fmt_e(c.residual / c.moment_scale), fmt_e(c.gap.total() / c.moment_scale),
                    fmt_e(moment), fmt_e(force)});
  }
  const std::string cases = std::to_string(rows.size()) + " cases";
  print_problem(out, problem("LF-01", "closure of the moment about the hinge, largest over " + cases +
                                          " (over the bag's moment)",
                             "the converged residual plus the conventions' gaps", "analytical", 0.0,
                             worst_moment, false, 1e-11));
  print_problem(out, problem("LF-02", "closure of the forces with the hinge's reaction, largest over " + cases +
                                          " (over the bag's force)",
                             "0: the balance's forces and the reaction", "analytical", 0.0, worst_force, false,
                             1e-11));
  const double L = 2.3, w = 1000.0;
  print_problem(out, problem("LF-03", "cantilever L = 2.3 m, uniform w = 1 kN/m: root moment (N m/m)",
                             "w L^2 / 2", "analytical", w * L * L / 2, cantilever_root_moment(L, w, w), true,
                             1e-12));
  print_problem(out, problem("LF-04", "cantilever L = 2.3 m, w = 1 kN/m at the root to 0 at the tip: root moment (N m/m)",
                             "w L^2 / 6", "analytical", w * L * L / 6, cantilever_root_moment(L, w, 0.0), true,
                             1e-12));
  print_problem(out, problem("LF-05", "skin plate a = 87 mm, b/a = 2.5, p = 0.0407 N/mm2, t = 4 mm: stress (N/mm2)",
                             "k p a^2 / (100 t^2), k = 50: 9.63 by hand", "analytical", 9.63,
                             design::panel_stress(0.0407, 87.0, 2.5 * 87.0, 4.0), false, 5e-3));
  print_table(out, kGroup, "The closure per case, over the bag's moment and force",
              {"case", "residual", "gaps", "moment mismatch", "force mismatch"}, rows);
}

}  // namespace verify
}  // namespace tqweir
