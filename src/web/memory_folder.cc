#include "web/memory_folder.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include <unistd.h>

namespace tqweir {
namespace web {

bool plain_file_name(const std::string& name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

MemoryFolder::MemoryFolder(const std::map<std::string, std::string>& files,
                           const std::string& name) {
  // One folder per call: the page runs one command at a time, and each
  // folder goes again before the call returns.
  static unsigned serial = 0;
  parent_ = "/tqweir-page/" + std::to_string(++serial);
  path_ = parent_ + "/" + (plain_file_name(name) ? name : "design");
  std::error_code error;
  std::filesystem::create_directories(path_, error);
  for (const auto& [name, content] : files) {
    if (!plain_file_name(name)) continue;
    std::ofstream out(path_ + "/" + name, std::ios::binary);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
  }
}

MemoryFolder::~MemoryFolder() {
  std::error_code error;
  std::filesystem::remove_all(parent_, error);
}

WorkingFolder::WorkingFolder(const std::string& path) : ok_(chdir(path.c_str()) == 0) {}

WorkingFolder::~WorkingFolder() {
  if (ok_ && chdir("/") != 0) ok_ = false;
}

std::map<std::string, std::string> MemoryFolder::files() const {
  std::map<std::string, std::string> found;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(path_, error)) {
    if (!entry.is_regular_file(error)) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    found[entry.path().filename().string()].assign(std::istreambuf_iterator<char>(in),
                                                   std::istreambuf_iterator<char>());
  }
  return found;
}

}  // namespace web
}  // namespace tqweir
