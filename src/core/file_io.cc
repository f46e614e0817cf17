#include "core/file_io.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace tqweir {
namespace {

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

}  // namespace

std::string join_path(const std::string& dir, const std::string& name) {
  if (dir.empty() || dir == ".") return name;
  if (dir.back() == '/') return dir + name;
  return dir + "/" + name;
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
  const std::string temporary = temporary_name(path);
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  // fclose flushes: a full device shows up here at the latest.
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) {
    std::remove(temporary.c_str());
    return false;
  }
  pending_.push_back({temporary, path});
  return true;
}

bool FileBatch::commit(std::string& failed) {
  std::vector<Pending> pending;
  pending.swap(pending_);
  for (std::size_t i = 0; i < pending.size(); ++i) {
    if (!move_into_place(pending[i].temporary, pending[i].target)) {
      failed = pending[i].target;
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
