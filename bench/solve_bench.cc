// The in-process solve of each example, with the literal evaluation (every
// elliptic integral where the formulas use it, the membrane and the surface
// rebuilt in every trial) and with the production one (reuse),
// side by side. Each benchmark reports the run's integrand evaluations
// (trapezoid nodes, one sine each) as the counter integrand_evals.
#include <string>

#include <benchmark/benchmark.h>

#include "driver/case_solver.h"
#include "driver/run_files.h"

namespace {

void solve_example(benchmark::State& st, const std::string& example, tqweir::Evaluation mode) {
  tqweir::FolderFiles files(std::string(TQWEIR_EXAMPLES_DIR) + "/" + example);
  const tqweir::CaseInput input = tqweir::read_case(files);
  long long evaluations = 0;
  for (auto _ : st) {
    tqweir::SolvedCase solved = tqweir::solve_case(input, nullptr, mode);
    benchmark::DoNotOptimize(solved.summary.text.data());
    evaluations = solved.integrand_evaluations;
  }
  st.counters["integrand_evals"] = static_cast<double>(evaluations);
}

}  // namespace

int main(int argc, char** argv) {
  for (const char* example : {"standard", "overflow_model2", "overflow_model3"}) {
    for (const auto& [name, mode] : {std::pair{"literal", tqweir::Evaluation::literal},
                                     std::pair{"reuse", tqweir::Evaluation::reuse}}) {
      const std::string label = std::string("solve/") + example + "/" + name;
      benchmark::RegisterBenchmark(label.c_str(), solve_example, std::string(example), mode)
          ->Unit(benchmark::kMillisecond);
    }
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
