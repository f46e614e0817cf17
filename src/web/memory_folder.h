// A folder of the module's in-memory file system holding the files a page
// gives, so that a tool's own command line (tqweir-report, tqweir-seek)
// reads a design or a case as it reads one on disk. Removed when done.
#ifndef TQWEIR_WEB_MEMORY_FOLDER_H_
#define TQWEIR_WEB_MEMORY_FOLDER_H_

#include <map>
#include <string>

namespace tqweir {
namespace web {

class MemoryFolder {
 public:
  // Writes each file of `files` whose name is a plain file name (no '/',
  // '\\' or NUL, not "." or ".."); others are left out, so that a page can
  // never write outside the folder.
  // The folder is `name` (a plain name) inside a fresh folder of its own,
  // parent(), so that a command run there names it as `name`.
  MemoryFolder(const std::map<std::string, std::string>& files, const std::string& name);
  ~MemoryFolder();
  MemoryFolder(const MemoryFolder&) = delete;
  MemoryFolder& operator=(const MemoryFolder&) = delete;

  const std::string& path() const { return path_; }
  const std::string& parent() const { return parent_; }
  std::string name() const { return path_.substr(parent_.size() + 1); }

  // The regular files directly in the folder, by name.
  std::map<std::string, std::string> files() const;

 private:
  std::string parent_, path_;
};

// The working folder is `path` while this lives (when ok()), then "/".
class WorkingFolder {
 public:
  explicit WorkingFolder(const std::string& path);
  ~WorkingFolder();
  WorkingFolder(const WorkingFolder&) = delete;
  WorkingFolder& operator=(const WorkingFolder&) = delete;
  bool ok() const { return ok_; }

 private:
  bool ok_ = false;
};

// True for a name MemoryFolder writes.
bool plain_file_name(const std::string& name);

}  // namespace web
}  // namespace tqweir

#endif  // TQWEIR_WEB_MEMORY_FOLDER_H_
