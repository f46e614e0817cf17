#include "core/folder_texts.h"

#include <filesystem>
#include <utility>

#include "core/file_io.h"

namespace tqweir {
namespace {

FolderFile read_on_disk(const std::string& path) {
  namespace fs = std::filesystem;
  FolderFile file;
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (!fs::exists(status)) return file;
  if (!fs::is_regular_file(status)) {
    file.found = FileFound::not_a_file;
    return file;
  }
  file.found = read_file(path, file.bytes) ? FileFound::read : FileFound::unreadable;
  if (file.found != FileFound::read) file.bytes.clear();
  return file;
}

}  // namespace

FolderTexts FolderTexts::on_disk(const std::string& dir) {
  FolderTexts folder;
  folder.dir_ = dir;
  folder.on_disk_ = true;
  return folder;
}

FolderTexts FolderTexts::held(const std::string& dir, std::map<std::string, FolderFile> files) {
  FolderTexts folder;
  folder.dir_ = dir;
  folder.files_ = std::move(files);
  return folder;
}

const FolderFile& FolderTexts::file(const std::string& name) {
  const auto found = files_.find(name);
  if (found != files_.end() || !on_disk_) return known(name);
  return files_.emplace(name, read_on_disk(join_path(dir_, name))).first->second;
}

const FolderFile& FolderTexts::known(const std::string& name) const {
  static const FolderFile kAbsent;
  const auto found = files_.find(name);
  return found == files_.end() ? kAbsent : found->second;
}

bool operator==(const FolderFile& a, const FolderFile& b) {
  return a.found == b.found && a.bytes == b.bytes;
}

}  // namespace tqweir
