#include "driver/run_directory.h"

#include <cstdio>
#include <new>
#include <utility>
#include <vector>

#include "core/file_io.h"
#include "core/stop.h"
#include "driver/case_solver.h"

namespace tqweir {
namespace {

void write_outputs(RunFiles& files, const std::vector<NamedBytes>& batch) {
  std::string failed;
  if (!files.write(batch, failed)) throw StopRun(Message::write_failed, failed);
}

// Solves the case that `read` gives and writes its files: every stop, the
// reading's included, becomes the outcome.
template <typename Read>
RunOutcome run_sequence(const Read& read, RunFiles& files) {
  RunOutcome outcome;
  try {
    outcome.input = read();
    outcome.read = true;
    // The surface file is the same in every trial: written by the first
    // trial that reaches it, so a run stopped by the first trial's checks
    // leaves an earlier file alone.
    bool surface_written = false;
    const SurfaceSink sink = [&](const std::string& rows) {
      if (surface_written) return;
      write_outputs(files, {{"suimen.csv", &rows}});
      surface_written = true;
    };
    SolvedCase solved = solve_case(outcome.input, sink);
    write_outputs(files, {{"XYGate.csv", &solved.files.gate},
                          {"XYStopper.csv", &solved.files.stopper},
                          {"XYBalloon.csv", &solved.files.balloon}});
    write_outputs(files, {{"TQSpec.csv", &solved.summary.text}});
    outcome.exit_status = 0;
    outcome.message = Message::finished;
    outcome.log_line = message_cp932(Message::finished) + "\r\n";
    outcome.text = message_utf8(Message::finished);
    outcome.summary = solved.summary;
    outcome.result = std::move(solved.result);
  } catch (const StopRun& stop) {
    outcome.exit_status = 1;
    outcome.message = stop.message();
    outcome.log_line = stop.log_line();
    outcome.text = stop.what();
  }
  return outcome;
}

}  // namespace

RunOutcome run_case(RunFiles& files) {
  return run_sequence([&files] { return read_case(files); }, files);
}

RunOutcome run_case(const CaseInput& input, RunFiles& files) {
  return run_sequence(
      [&input] {
        check_case_values(input);
        return input;
      },
      files);
}

int run_in_directory(const std::string& dir, std::ostream& err) {
  // The log is opened before the inputs are read, and opening truncates:
  // a log that is one of the inputs, a FIFO or a device is refused first.
  const std::string log_path = join_path(dir, "error.csv");
  std::vector<std::string> inputs;
  for (const char* name : {"syogen.csv", "parameter.csv", "hitai.csv"}) {
    inputs.push_back(join_path(dir, name));
  }
  std::FILE* log =
      output_refusal(log_path, inputs).empty() ? std::fopen(log_path.c_str(), "wb") : nullptr;
  if (log == nullptr) {
    err << "tqweir: cannot create error.csv in " << (dir.empty() ? "." : dir) << "\n";
    return 1;
  }
  std::string line;
  int status = 1;
  try {
    FolderFiles files(dir);
    const RunOutcome outcome = run_case(files);
    line = outcome.log_line;
    status = outcome.exit_status;
    err << outcome.text << "\n";
  } catch (const std::bad_alloc&) {
    err << "tqweir: out of memory\n";
  }
  const bool logged = std::fwrite(line.data(), 1, line.size(), log) == line.size();
  if (std::fclose(log) != 0 || !logged) {
    err << "tqweir: cannot write error.csv\n";
    return 1;
  }
  return status;
}

}  // namespace tqweir
