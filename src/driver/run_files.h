// Where a run reads its three inputs and writes its six outputs: a folder on
// disk for the program, memory for a browser page or a test. The run's
// sequence (run_case) is the same for both.
#ifndef TQWEIR_DRIVER_RUN_FILES_H_
#define TQWEIR_DRIVER_RUN_FILES_H_

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "input/case_reader.h"

namespace tqweir {

// A file to write: its name ("XYGate.csv") and its bytes.
using NamedBytes = std::pair<const char*, const std::string*>;

class RunFiles {
 public:
  virtual ~RunFiles() = default;
  // The content of input file `name`; false when there is no such file.
  virtual bool read(const char* name, std::string& content) = 0;
  // Writes `files` as one batch (each file whole or not at all). Returns
  // false with `failed` naming the first file that could not be written.
  virtual bool write(const std::vector<NamedBytes>& files, std::string& failed) = 0;
};

// The files of a folder; writes go through a temporary file beside each
// target (see FileBatch), and a symbolic link is written through, except
// onto a file the run read: an output that is one of the inputs, a folder
// or anything but a regular file is not written.
class FolderFiles : public RunFiles {
 public:
  explicit FolderFiles(std::string dir) : dir_(std::move(dir)) {}
  bool read(const char* name, std::string& content) override;
  bool write(const std::vector<NamedBytes>& files, std::string& failed) override;

 private:
  std::string dir_;
  std::vector<std::string> inputs_;  // the paths read, to keep outputs off them
};

// What a folder would hold that memory does not: input files that are
// missing and output names that cannot be written (a folder stands there,
// the disk is full), so that a run in memory can end every way a run in a
// folder ends.
struct FolderLike {
  std::set<std::string> absent;   // "syogen.csv", ...: read as missing
  std::set<std::string> blocked;  // outputs, error.csv included, whose writing fails
};

// Files in memory: the inputs given, the outputs kept by name. A batch is
// stored in order until its first blocked file, which fails it, as a
// folder's batch stops at the first file it cannot write.
class MemoryFiles : public RunFiles {
 public:
  explicit MemoryFiles(const CaseTexts& inputs, FolderLike folder = {});
  bool read(const char* name, std::string& content) override;
  bool write(const std::vector<NamedBytes>& files, std::string& failed) override;
  // The files written so far, by name.
  const std::map<std::string, std::string>& written() const { return written_; }

 private:
  CaseTexts inputs_;
  FolderLike folder_;
  std::map<std::string, std::string> written_;
};

// The case as a run reads it from `files` (read_case: the readers' order
// and checks).
CaseInput read_case(RunFiles& files);

}  // namespace tqweir

#endif  // TQWEIR_DRIVER_RUN_FILES_H_
