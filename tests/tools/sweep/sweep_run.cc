#include "sweep_run.h"

#include <sys/wait.h>

#include <cstdlib>

namespace tqweir_test {

SweepRun run_sweep(const ScratchDir& dir, const std::string& args) {
  const ScratchDir streams;
  const std::string command = "cd '" + dir.path() + "' && '" TQWEIR_SWEEP_BINARY "' " + args +
                              " </dev/null >'" + streams.file("out") + "' 2>'" +
                              streams.file("err") + "'";
  SweepRun run;
  const int status = std::system(command.c_str());
  if (status != -1 && WIFEXITED(status)) run.status = WEXITSTATUS(status);
  run.out = streams.read("out");
  run.err = streams.read("err");
  return run;
}

std::string standard_case_dir() { return TQWEIR_SOURCE_DIR "/examples/standard"; }

}  // namespace tqweir_test
