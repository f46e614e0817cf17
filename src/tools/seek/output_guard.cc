#include "tools/seek/output_guard.h"

#include <filesystem>

#include "core/file_io.h"
#include "tools/common/input_error.h"

namespace tqweir {
namespace seek {
namespace {

namespace fs = std::filesystem;

bool same_entry(const std::string& a, const std::string& b) {
  std::error_code error;
  return fs::equivalent(a, b, error) && !error;
}

bool exists_as_other_than_file(const std::string& path) {
  std::error_code error;
  const fs::file_status status = fs::symlink_status(path, error);
  return fs::exists(status) && !fs::is_regular_file(status);
}

}  // namespace

void check_output_folder(const std::string& dir, const std::string& input_dir,
                         const std::vector<std::string>& names) {
  if (same_entry(dir, input_dir)) {
    throw tools::InputError("-o " + dir + " is the folder of the input case; give another folder");
  }
  std::error_code error;
  const fs::file_status status = fs::status(dir, error);
  if (!fs::exists(status)) return;
  if (!fs::is_directory(status)) throw tools::InputError("-o " + dir + " is not a folder");
  for (const std::string& name : names) {
    if (exists_as_other_than_file(join_path(dir, name))) {
      throw tools::InputError("-o " + dir + ": " + name + " there is not a regular file");
    }
  }
}

void check_output_file(const std::string& path, const std::vector<std::string>& inputs) {
  for (const std::string& input : inputs) {
    if (same_entry(path, input)) {
      throw tools::InputError("-o " + path + " is an input of the command; give another file");
    }
  }
  if (exists_as_other_than_file(path)) {
    throw tools::InputError("-o " + path + " is not a regular file");
  }
}

}  // namespace seek
}  // namespace tqweir
