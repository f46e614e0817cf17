// Whole-file reading and writing, joining a folder with a file name, and
// the check of an output's path: the only place where the program and its
// tools touch files.
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

// The file that writing `path` replaces: `path` itself, or, when `path` is a
// symbolic link, the file at the end of its chain of links. An output is
// written through a link: its target is replaced and the link stays.
std::string output_target(const std::string& path);

// Why an output of a command may not go to `path`, as "cannot write PATH:
// REASON"; "" when it may. Refused: a path that is one of `inputs` (the
// same file by device and inode, through links and any spelling of the
// path; by name for an input that does not exist yet), a folder, a device,
// FIFO or socket, a loop of links, and a path whose folder does not exist.
// A tool calls this before any work, so that a refusal costs nothing.
std::string output_refusal(const std::string& path, const std::vector<std::string>& inputs);

// A set of files written together: each goes to a temporary file beside its
// target (through symbolic links: beside the link's final target), and only
// when every one is complete are they moved into place. So after any
// interruption each target is either its old content or its complete new
// one, and a failure leaves no temporary file behind. A target that exists
// but is not a regular file (a folder, a device, a FIFO) is never replaced.
class FileBatch {
 public:
  FileBatch() = default;
  FileBatch(const FileBatch&) = delete;
  FileBatch& operator=(const FileBatch&) = delete;
  ~FileBatch();  // removes the temporary files of a batch not committed

  // Writes `bytes` to a temporary file for `path`. Returns false (and keeps
  // nothing of this file) when the target is not a regular file, or the
  // temporary file cannot be created or completely written and closed.
  bool add(const std::string& path, const std::string& bytes);

  // Moves every added file into place, in the order added. Returns false
  // with `failed` set to the path (as given to add) that could not be
  // replaced; files moved before it stay moved, the rest are removed.
  bool commit(std::string& failed);

 private:
  struct Pending {
    std::string temporary;
    std::string target;  // the file replaced: the path or its link's target
    std::string path;    // as given
  };
  std::vector<Pending> pending_;
};

// One file written as a batch of one. Returns false on any failure.
bool write_file(const std::string& path, const std::string& bytes);

}  // namespace tqweir

#endif  // TQWEIR_CORE_FILE_IO_H_
