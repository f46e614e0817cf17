// Whole-file reading and writing, and joining a folder with a file name:
// the only place where the program and its tools touch files.
#ifndef TQWEIR_CORE_FILE_IO_H_
#define TQWEIR_CORE_FILE_IO_H_

#include <string>
#include <vector>

namespace tqweir {

// `name` inside `dir`; an empty dir or "." gives `name` itself.
std::string join_path(const std::string& dir, const std::string& name);

// Reads the whole file in binary mode into `bytes`. Returns false when it
// cannot be opened or read.
bool read_file(const std::string& path, std::string& bytes);

// A set of files written together: each goes to a temporary file beside its
// target, and only when every one is complete are they moved into place. So
// after any interruption each target is either its old content or its
// complete new one, and a failure leaves no temporary file behind.
class FileBatch {
 public:
  FileBatch() = default;
  FileBatch(const FileBatch&) = delete;
  FileBatch& operator=(const FileBatch&) = delete;
  ~FileBatch();  // removes the temporary files of a batch not committed

  // Writes `bytes` to a temporary file for `path`. Returns false (and keeps
  // nothing of this file) when the temporary file cannot be created or
  // completely written and closed.
  bool add(const std::string& path, const std::string& bytes);

  // Moves every added file into place, in the order added. Returns false
  // with `failed` set to the path that could not be replaced; files moved
  // before it stay moved, the rest are removed.
  bool commit(std::string& failed);

 private:
  struct Pending {
    std::string temporary;
    std::string target;
  };
  std::vector<Pending> pending_;
};

// One file written as a batch of one. Returns false on any failure.
bool write_file(const std::string& path, const std::string& bytes);

}  // namespace tqweir

#endif  // TQWEIR_CORE_FILE_IO_H_
