#include "support/case_runner.h"

#include <iconv.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <vector>

#include "core/file_io.h"

namespace fs = std::filesystem;

namespace tqweir_test {

ScratchDir::ScratchDir() {
  std::random_device rd;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path p = fs::temp_directory_path() / ("tqweir_test_" + std::to_string(rd()));
    if (fs::create_directory(p)) {
      path_ = p.string();
      return;
    }
  }
  throw std::runtime_error("cannot create a scratch folder");
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  // A test may leave a read-only folder behind; make it removable first.
  for (auto it = fs::recursive_directory_iterator(path_, ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
  }
  fs::remove_all(path_, ec);
}

void ScratchDir::write(const std::string& name, const std::string& bytes) const {
  tqweir::write_file(file(name), bytes);
}

std::string ScratchDir::read(const std::string& name) const { return read_file(file(name)); }

bool ScratchDir::exists(const std::string& name) const { return fs::exists(file(name)); }

void ScratchDir::copy_from(const std::string& dir) const {
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.is_regular_file()) {
      fs::copy_file(entry.path(), fs::path(path_) / entry.path().filename(),
                    fs::copy_options::overwrite_existing);
    }
  }
}

std::map<std::string, std::string> ScratchDir::files() const {
  std::map<std::string, std::string> result;
  for (const auto& entry : fs::directory_iterator(path_)) {
    if (entry.is_regular_file()) {
      result[entry.path().filename().string()] = read_file(entry.path().string());
    }
  }
  return result;
}

std::string read_file(const std::string& path) {
  std::string bytes;
  tqweir::read_file(path, bytes);
  return bytes;
}

namespace {

// Runs a shell command line: `program` with `args` in `dir`, no standard
// input, the output streams as `redirects` says.
int run_in_shell(const std::string& program, const std::string& dir, const std::string& args,
                 const std::string& redirects) {
  const std::string command =
      "cd '" + dir + "' && '" + program + "' " + args + " </dev/null " + redirects;
  const int status = std::system(command.c_str());
  if (status == -1 || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

}  // namespace

int run_program(const std::string& program, const std::string& dir, const std::string& args) {
  return run_in_shell(program, dir, args, ">/dev/null 2>&1");
}

ProgramRun run_program_output(const std::string& program, const ScratchDir& dir,
                              const std::string& args) {
  const ScratchDir streams;
  ProgramRun run;
  run.status = run_in_shell(program, dir.path(), args,
                            ">'" + streams.file("out") + "' 2>'" + streams.file("err") + "'");
  run.out = streams.read("out");
  run.err = streams.read("err");
  return run;
}

int run_tqweir(const ScratchDir& dir, const std::string& args) {
  return run_program(TQWEIR_BINARY, dir.path(), args);
}

std::string cp932_to_utf8(const std::string& bytes, bool& ok) {
  ok = false;
  iconv_t cd = iconv_open("UTF-8", "CP932");
  if (cd == reinterpret_cast<iconv_t>(-1)) return "";
  std::string in = bytes;
  std::vector<char> out(bytes.size() * 4 + 16);
  char* in_ptr = in.data();
  size_t in_left = in.size();
  char* out_ptr = out.data();
  size_t out_left = out.size();
  const size_t r = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
  iconv_close(cd);
  if (r == static_cast<size_t>(-1) || in_left != 0) return "";
  ok = true;
  return std::string(out.data(), out.size() - out_left);
}

}  // namespace tqweir_test
