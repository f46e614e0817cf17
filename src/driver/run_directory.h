// The program's run: the three input files in, the six output files out,
// one line in the message log error.csv.
#ifndef TQWEIR_DRIVER_RUN_DIRECTORY_H_
#define TQWEIR_DRIVER_RUN_DIRECTORY_H_

#include <ostream>
#include <string>

#include "core/messages.h"
#include "driver/case_result.h"
#include "driver/run_files.h"
#include "output/summary.h"

namespace tqweir {

// How a run ended.
struct RunOutcome {
  int exit_status = 1;                   // 0 finished, 1 stopped
  Message message = Message::finished;   // the log line's message
  std::string log_line;                  // as error.csv holds it: CP932 and CR LF
  std::string text;                      // the same message in UTF-8, no line end
  bool read = false;                     // the case's reading passed its checks
  CaseInput input;                       // the case as read, when read
  Summary summary;                       // TQSpec.csv's values unrounded; when finished
  CaseResult result;                     // the finished case as values; when finished
};

// The run's sequence over `files`: reads the case, solves it (suimen.csv is
// written once the first trial has passed its checks), writes the three
// coordinate files and then TQSpec.csv. Does not write error.csv: the
// caller writes outcome.log_line. Every stop becomes the outcome; running
// out of memory is left to the caller.
RunOutcome run_case(RunFiles& files);

// The same sequence for a case given as values: no input is read from
// `files`; check_case_values stops it where the readers would stop the
// same case written as files (the shortest text of each double reads back
// as that double, so the files would give exactly these values).
RunOutcome run_case(const CaseInput& input, RunFiles& files);

// Runs one case in `dir` and returns the exit status: 0 after the success
// notice, 1 after an error message (or when error.csv itself cannot be
// created, reported on `err`: also when it is not a regular file, or is
// one of the inputs through a link, which opening it would block on or
// clobber). error.csv is created before anything else
// and holds the message line at the end; `err` gets the same line in
// UTF-8, so that a terminal shows how the run ended.
int run_in_directory(const std::string& dir, std::ostream& err);

}  // namespace tqweir

#endif  // TQWEIR_DRIVER_RUN_DIRECTORY_H_
