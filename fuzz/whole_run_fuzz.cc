// Fuzz target: a whole case in memory. The input is split into syogen.csv,
// parameter.csv and hitai.csv, the case is read as a run reads it and the case is
// solved. A StopRun is a run's normal way to end on bad data; anything
// else escaping, a crash, a sanitizer report or a slow input is a finding.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "driver/case_solver.h"
#include "core/stop.h"
#include "fuzz_check.h"
#include "driver/run_files.h"
#include "split_input.h"

namespace {

// Stops that a run without files can never give.
bool is_file_stop(tqweir::Message m) {
  return m == tqweir::Message::syogen_missing || m == tqweir::Message::parameter_missing ||
         m == tqweir::Message::hitai_missing || m == tqweir::Message::write_failed ||
         m == tqweir::Message::finished;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    tqweir::MemoryFiles files(tqweir_fuzz::split_case_input(data, size));
    const tqweir::CaseInput input = tqweir::read_case(files);
    const tqweir::SolvedCase solved = tqweir::solve_case(input, tqweir::SurfaceSink{});
    // A solved case has a converged bracket and finite results.
    TQWEIR_FUZZ_CHECK(std::fabs(solved.state.bisection.bracket_width) <= 0.0001,
                      "bisection ended on a wide bracket");
    TQWEIR_FUZZ_CHECK(solved.files.all_finite && solved.summary.all_finite,
                      "solved case with a non-finite result");
    TQWEIR_FUZZ_CHECK(!solved.summary.text.empty(), "solved case without a summary line");
  } catch (const tqweir::StopRun& stop) {
    TQWEIR_FUZZ_CHECK(!is_file_stop(stop.message()), "file stop from an in-memory run");
    TQWEIR_FUZZ_CHECK(!stop.log_line().empty(), "stop without a log line");
  }
  return 0;
}
