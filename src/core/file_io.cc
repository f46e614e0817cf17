#include "core/file_io.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace tqweir {
namespace {

namespace fs = std::filesystem;

// Links followed before a chain counts as a loop: the limit of Linux's
// own path resolution.
constexpr int kMaxLinkHops = 40;

// Replaces `target` by `source` in one step, as far as the system allows.
bool move_into_place(const std::string& source, const std::string& target) {
#if defined(_WIN32)
  // The C runtime's rename refuses an existing target on Windows.
  return MoveFileExA(source.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
  return std::rename(source.c_str(), target.c_str()) == 0;
#endif
}

// A name beside `path` that no other file of a run uses: the folder is the
// same, so that the final move never crosses a file system.
std::string temporary_name(const std::string& path) { return path + ".tmp~"; }

// True when a file may be written at `path` by moving another over it:
// there is nothing there yet, or a regular file (not a link to one).
bool replaceable(const std::string& path) {
  try {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    return !fs::exists(status) || fs::is_regular_file(status);
  } catch (const std::exception&) {  // an unconvertible name: as output_target
    return true;
  }
}

// True when `output` (a target, links resolved) is the file `input`, or
// would be once written: the same device and inode for files that exist,
// the same absolute path for files that do not exist yet.
bool same_file(const fs::path& output, const std::string& input) {
  std::error_code error;
  const fs::path in = output_target(input);
  const bool output_exists = fs::exists(output, error);
  const bool input_exists = fs::exists(in, error);
  if (output_exists != input_exists) return false;
  if (output_exists) return fs::equivalent(output, in, error) && !error;
  const fs::path a = fs::weakly_canonical(fs::absolute(output, error), error);
  const fs::path b = fs::weakly_canonical(fs::absolute(in, error), error);
  return !error && a == b;
}

// Why `path` may not take an output; "" when it may (see output_refusal).
std::string output_problem(const std::string& path, const std::vector<std::string>& inputs) {
  const std::string refused = "cannot write " + path + ": ";
  const fs::path target = output_target(path);
  std::error_code error;
  const fs::file_status status = fs::symlink_status(target, error);
  if (fs::is_symlink(status)) return refused + "it is a loop of symbolic links";
  if (fs::is_directory(status)) return refused + "it is a folder";
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    return refused + "it is a device, FIFO or socket, not a regular file";
  }
  if (!fs::exists(status)) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (!fs::is_directory(folder, error)) {
      return refused + "there is no folder " + folder.string();
    }
  }
  for (const std::string& input : inputs) {
    if (same_file(target, input)) {
      return refused + "it is " + input + ", which this command reads";
    }
  }
  return "";
}

}  // namespace

std::string join_path(const std::string& dir, const std::string& name) {
  if (dir.empty() || dir == ".") return name;
  if (dir.back() == '/') return dir + name;
  return dir + "/" + name;
}

std::string output_target(const std::string& path) {
  // A name the system cannot convert to its own encoding (only on Windows)
  // throws; such a path is taken as it is, as fopen takes it.
  try {
    fs::path p = path;
    std::error_code error;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
      if (!fs::is_symlink(fs::symlink_status(p, error))) break;
      const fs::path next = fs::read_symlink(p, error);
      if (error) break;
      // A relative link is relative to the folder the link is in.
      p = next.is_absolute() ? next : p.parent_path() / next;
    }
    return p.string();
  } catch (const std::exception&) {
    return path;
  }
}

std::string output_refusal(const std::string& path, const std::vector<std::string>& inputs) {
  try {
    return output_problem(path, inputs);
  } catch (const std::exception&) {  // an unconvertible name: as output_target
    return "";
  }
}

bool read_file(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  // A folder opens like a file but cannot be read, and the stream buffer
  // reports that by throwing, not through the stream's state.
  try {
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } catch (const std::ios_base::failure&) {
    return false;
  }
  return !in.bad();
}

FileBatch::~FileBatch() {
  for (const Pending& p : pending_) std::remove(p.temporary.c_str());
}

bool FileBatch::add(const std::string& path, const std::string& bytes) {
  const std::string target = output_target(path);
  const std::string temporary = temporary_name(target);
  // A folder, device or FIFO is never replaced; nor is a link where the
  // temporary file goes, since moving it would move the link.
  if (!replaceable(target) || !replaceable(temporary)) return false;
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  // fclose flushes: a full device shows up here at the latest.
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) {
    std::remove(temporary.c_str());
    return false;
  }
  pending_.push_back({temporary, target, path});
  return true;
}

bool FileBatch::commit(std::string& failed) {
  std::vector<Pending> pending;
  pending.swap(pending_);
  for (std::size_t i = 0; i < pending.size(); ++i) {
    if (!move_into_place(pending[i].temporary, pending[i].target)) {
      failed = pending[i].path;
      for (std::size_t j = i; j < pending.size(); ++j) std::remove(pending[j].temporary.c_str());
      return false;
    }
  }
  return true;
}

bool write_file(const std::string& path, const std::string& bytes) {
  FileBatch batch;
  std::string failed;
  return batch.add(path, bytes) && batch.commit(failed);
}

}  // namespace tqweir
