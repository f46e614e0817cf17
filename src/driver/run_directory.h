// The program's run: the three input files in, the six output files out,
// one line in the message log error.csv.
#ifndef TQWEIR_DRIVER_RUN_DIRECTORY_H_
#define TQWEIR_DRIVER_RUN_DIRECTORY_H_

#include <map>
#include <ostream>
#include <string>

#include "core/messages.h"
#include "driver/run_files.h"

namespace tqweir {

// How a run ended.
struct RunOutcome {
  int exit_status = 1;                   // 0 finished, 1 stopped
  Message message = Message::finished;   // the log line's message
  std::string log_line;                  // as error.csv holds it: CP932 and CR LF
  std::string text;                      // the same message in UTF-8, no line end
};

// The run's sequence over `files`: reads the case, solves it (suimen.csv is
// written once the first trial has passed its checks), writes the three
// coordinate files and then TQSpec.csv. Does not write error.csv: the
// caller writes outcome.log_line. Every stop becomes the outcome; running
// out of memory is left to the caller.
RunOutcome run_case(RunFiles& files);

// Runs one case in `dir` and returns the exit status: 0 after the success
// notice, 1 after an error message (or when error.csv itself cannot be
// created, reported on `err`). error.csv is created before anything else
// and holds the message line at the end; `err` gets the same line in
// UTF-8, so that a terminal shows how the run ended.
int run_in_directory(const std::string& dir, std::ostream& err);

// A run without a folder: the three texts in, every file the run writes
// out, by name, error.csv included. A file the run leaves untouched is
// absent.
struct MemoryRun {
  int exit_status = 1;
  std::map<std::string, std::string> files;
};
MemoryRun run_in_memory(const CaseTexts& inputs);

}  // namespace tqweir

#endif  // TQWEIR_DRIVER_RUN_DIRECTORY_H_
