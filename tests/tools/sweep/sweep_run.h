// Running the tqweir-sweep binary in a scratch folder and keeping what it
// prints, for the end-to-end tests of the sweep.
#ifndef TQWEIR_TESTS_TOOLS_SWEEP_SWEEP_RUN_H_
#define TQWEIR_TESTS_TOOLS_SWEEP_SWEEP_RUN_H_

#include <string>

#include "support/case_runner.h"

namespace tqweir_test {

using SweepRun = ProgramRun;

// Runs tqweir-sweep with `args` (shell words) in `dir`. Its standard output
// and error go to files outside `dir`, so they are not among dir's files.
SweepRun run_sweep(const ScratchDir& dir, const std::string& args);

// The examples/standard case of the source tree.
std::string standard_case_dir();

}  // namespace tqweir_test

#endif  // TQWEIR_TESTS_TOOLS_SWEEP_SWEEP_RUN_H_
