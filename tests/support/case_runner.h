// Running the real tqweir binary on a case in a scratch folder, and reading
// the files it leaves behind, for end-to-end tests.
#ifndef TQWEIR_TESTS_SUPPORT_CASE_RUNNER_H_
#define TQWEIR_TESTS_SUPPORT_CASE_RUNNER_H_

#include <map>
#include <string>

namespace tqweir_test {

// A fresh empty folder under the system's temporary folder, removed with
// everything in it when the object goes away.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

  void write(const std::string& name, const std::string& bytes) const;
  std::string read(const std::string& name) const;
  bool exists(const std::string& name) const;
  // Copies every regular file of `dir` into this folder.
  void copy_from(const std::string& dir) const;
  // Every regular file's bytes by name.
  std::map<std::string, std::string> files() const;

 private:
  std::string path_;
};

// Runs `program` with `args` in `dir` (no standard input, output
// discarded) and returns its exit status, or -1 when it did not exit.
int run_program(const std::string& program, const std::string& dir,
                const std::string& args = "");

// Runs the tqweir binary built with the tests.
int run_tqweir(const ScratchDir& dir, const std::string& args = "");

// What a program run printed, with its exit status (-1 when it did not exit).
struct ProgramRun {
  int status = -1;
  std::string out;  // standard output
  std::string err;  // standard error (a file: never a terminal)
};

// Runs `program` with `args` (shell words) in `dir` and keeps what it
// prints. The streams go to files outside `dir`, so they are not among
// dir's files.
ProgramRun run_program_output(const std::string& program, const ScratchDir& dir,
                              const std::string& args = "");

std::string read_file(const std::string& path);

// UTF-8 text of CP932 bytes, decoded by iconv (a decoder independent of the
// program's own tables). Empty with ok=false when iconv fails.
std::string cp932_to_utf8(const std::string& bytes, bool& ok);

}  // namespace tqweir_test

#endif  // TQWEIR_TESTS_SUPPORT_CASE_RUNNER_H_
