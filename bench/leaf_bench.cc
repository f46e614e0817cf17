// What the leaf's free body adds to a solve: each example solved alone,
// solved with leaf_forces on its result, and the free body alone.
#include <string>

#include <benchmark/benchmark.h>

#include "driver/case_solver.h"
#include "driver/run_files.h"
#include "leaf/leaf_forces.h"

namespace {

void solve_example(benchmark::State& st, const std::string& example, bool with_leaf) {
  tqweir::FolderFiles files(std::string(TQWEIR_EXAMPLES_DIR) + "/" + example);
  const tqweir::CaseInput input = tqweir::read_case(files);
  for (auto _ : st) {
    tqweir::SolvedCase solved = tqweir::solve_case(input, nullptr);
    benchmark::DoNotOptimize(solved.summary.text.data());
    if (with_leaf) {
      const tqweir::leaf::LeafForces f = tqweir::leaf::leaf_forces(solved.result);
      benchmark::DoNotOptimize(f.closure.moment_mismatch);
    }
  }
}

// The free body alone, on the result of one solve.
void leaf_only(benchmark::State& st, const std::string& example) {
  tqweir::FolderFiles files(std::string(TQWEIR_EXAMPLES_DIR) + "/" + example);
  const tqweir::SolvedCase solved = tqweir::solve_case(tqweir::read_case(files), nullptr);
  for (auto _ : st) {
    const tqweir::leaf::LeafForces f = tqweir::leaf::leaf_forces(solved.result);
    benchmark::DoNotOptimize(f.closure.moment_mismatch);
  }
}

}  // namespace

int main(int argc, char** argv) {
  for (const char* example : {"standard", "overflow_model2", "overflow_model3"}) {
    for (bool with_leaf : {false, true}) {
      const std::string label = std::string("leaf/") + example + (with_leaf ? "/solve+leaf" : "/solve");
      benchmark::RegisterBenchmark(label.c_str(), solve_example, std::string(example), with_leaf)
          ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark((std::string("leaf/") + example + "/leaf").c_str(), leaf_only,
                                 std::string(example))
        ->Unit(benchmark::kMicrosecond);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
