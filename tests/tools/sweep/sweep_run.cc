#include "sweep_run.h"

namespace tqweir_test {

SweepRun run_sweep(const ScratchDir& dir, const std::string& args) {
  return run_program_output(TQWEIR_SWEEP_BINARY, dir, args);
}

std::string standard_case_dir() { return TQWEIR_SOURCE_DIR "/examples/standard"; }

}  // namespace tqweir_test
