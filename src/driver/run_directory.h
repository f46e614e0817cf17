// The program's run: the three input files of a working directory in, the
// six output files out, one line in the message log error.csv.
#ifndef TQWEIR_DRIVER_RUN_DIRECTORY_H_
#define TQWEIR_DRIVER_RUN_DIRECTORY_H_

#include <ostream>
#include <string>

#include "driver/case_solver.h"

namespace tqweir {

// Runs one case in `dir` and returns the exit status: 0 after the success
// notice, 1 after an error message (or when error.csv itself cannot be
// created, reported on `err`). Files are read and written in binary mode:
// line ends are written as CR LF by the program itself, and input files
// with CR LF or LF line ends read alike.
int run_in_directory(const std::string& dir, std::ostream& err);

}  // namespace tqweir

#endif  // TQWEIR_DRIVER_RUN_DIRECTORY_H_
