#include "driver/run_files.h"

#include "core/file_io.h"

namespace tqweir {

bool FolderFiles::read(const char* name, std::string& content) {
  inputs_.push_back(join_path(dir_, name));
  return read_file(inputs_.back(), content);
}

bool FolderFiles::write(const std::vector<NamedBytes>& files, std::string& failed) {
  FileBatch batch;
  for (const auto& [name, bytes] : files) {
    // An output that is a link to one of the inputs would be written
    // through onto that input.
    const std::string path = join_path(dir_, name);
    if (!output_refusal(path, inputs_).empty() || !batch.add(path, *bytes)) {
      failed = name;
      return false;
    }
  }
  std::string failed_path;
  if (batch.commit(failed_path)) return true;
  for (const auto& file : files) {
    if (join_path(dir_, file.first) == failed_path) failed = file.first;
  }
  return false;
}

CaseInput read_case(RunFiles& files) {
  return read_case(
      [&files](const char* name, std::string& content) { return files.read(name, content); });
}

MemoryFiles::MemoryFiles(const CaseTexts& inputs, FolderLike folder)
    : inputs_(inputs), folder_(std::move(folder)) {}

bool MemoryFiles::read(const char* name, std::string& content) {
  const std::string* text = case_text(inputs_, name);
  if (text == nullptr || folder_.absent.count(name) != 0) return false;
  content = *text;
  return true;
}

bool MemoryFiles::write(const std::vector<NamedBytes>& files, std::string& failed) {
  for (const auto& [name, bytes] : files) {
    if (folder_.blocked.count(name) != 0) {
      failed = name;
      return false;
    }
    written_[name] = *bytes;
  }
  return true;
}

}  // namespace tqweir
