// How every tool runs a case: in memory, with the program's sequence and
// checks, from the three input texts or from a case given as values. The
// outcome is what a run in a folder leaves (the files it writes, error.csv
// included, and its message) with the summary's values unrounded beside
// the printed line.
#ifndef TQWEIR_DRIVER_MEMORY_RUN_H_
#define TQWEIR_DRIVER_MEMORY_RUN_H_

#include <map>
#include <string>

#include "driver/run_directory.h"
#include "driver/run_files.h"

namespace tqweir {

struct MemoryRun : RunOutcome {
  // Every file the run writes, by name, error.csv included. A file the run
  // leaves untouched is absent.
  std::map<std::string, std::string> files;
  // The text of output `name`, "" when the run did not write it.
  std::string file(const std::string& name) const;
};

// The run on the three texts, as in a folder holding them; `folder` makes
// inputs missing or outputs unwritable. A blocked error.csv ends the run
// before it starts (status 1, nothing written), as the program stops when
// it cannot create its log.
MemoryRun run_in_memory(const CaseTexts& inputs, const FolderLike& folder = {});

// The run on a case given as values (run_case(input, files)): a sweep's
// row, a search's trial, a report's case; `folder` makes outputs
// unwritable as above (its absent inputs do not apply).
MemoryRun run_in_memory(const CaseInput& input, const FolderLike& folder = {});

// The run on the three texts in an earthquake of horizontal seismic
// coefficient `kh` (0 or more). For kh = 0 it is the run on the texts, byte
// for byte. Otherwise the texts are read as the run reads them and the case
// runs as values with kh set; texts that do not read stop the run exactly
// as they stop it without kh, because the reading comes before any load.
MemoryRun run_in_memory(const CaseTexts& inputs, const FolderLike& folder, double kh);

}  // namespace tqweir

#endif  // TQWEIR_DRIVER_MEMORY_RUN_H_
