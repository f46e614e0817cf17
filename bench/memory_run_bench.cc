// The in-process run of examples/standard as the tools and the Python
// module make it (run_in_memory: the solve, then the six files formatted in
// memory), beside the solve alone of solve_bench.cc: what tqweir.solve in
// Python is measured against (bench/python_bench.sh).
#include <string>

#include <benchmark/benchmark.h>

#include "driver/memory_run.h"
#include "driver/run_files.h"

namespace {

void memory_run(benchmark::State& st) {
  tqweir::FolderFiles files(std::string(TQWEIR_EXAMPLES_DIR) + "/standard");
  const tqweir::CaseInput input = tqweir::read_case(files);
  for (auto _ : st) {
    tqweir::MemoryRun run = tqweir::run_in_memory(input);
    benchmark::DoNotOptimize(run.files.size());
  }
}
BENCHMARK(memory_run)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
