// A folder's files as a reader met them: each file's bytes by name, kept,
// so that what was read once reads again without the folder. A design sent
// to another machine, where its folder does not exist, is read there from
// the same bytes and gives the same design.
#ifndef TQWEIR_CORE_FOLDER_TEXTS_H_
#define TQWEIR_CORE_FOLDER_TEXTS_H_

#include <map>
#include <string>

namespace tqweir {

// How a file of the folder was found: nothing at its path, something that
// is not a regular file (a folder, a device), a regular file that could not
// be read, or its bytes.
enum class FileFound { absent, not_a_file, unreadable, read };

struct FolderFile {
  FileFound found = FileFound::absent;
  std::string bytes;  // the whole file, when read
};

class FolderTexts {
 public:
  FolderTexts() = default;

  // The folder `dir` on disk: a file is read when first asked for.
  static FolderTexts on_disk(const std::string& dir);
  // Files held in memory only: a name not among `files` is absent.
  static FolderTexts held(const std::string& dir, std::map<std::string, FolderFile> files);

  // The folder's path, as given (for messages and for writing beside it).
  const std::string& dir() const { return dir_; }
  // `name` of the folder: on disk read at the first call (links followed)
  // and kept; held, as held.
  const FolderFile& file(const std::string& name);
  // `name` as asked for before; absent when it never was.
  const FolderFile& known(const std::string& name) const;
  // Every file asked for so far, by name.
  const std::map<std::string, FolderFile>& files() const { return files_; }

 private:
  std::string dir_;
  bool on_disk_ = false;
  std::map<std::string, FolderFile> files_;
};

bool operator==(const FolderFile& a, const FolderFile& b);

}  // namespace tqweir

#endif  // TQWEIR_CORE_FOLDER_TEXTS_H_
