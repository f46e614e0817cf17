#include "driver/run_directory.h"

#include <cstdio>
#include <fstream>
#include <new>

#include "driver/case_solver.h"
#include "core/stop.h"
#include "input/derived_quantities.h"
#include "input/parameter_reader.h"
#include "input/profile_reader.h"
#include "input/syogen_reader.h"

namespace tqweir {
namespace {

std::string join(const std::string& dir, const char* name) {
  if (dir.empty() || dir == ".") return name;
  return dir + "/" + name;
}

// Opens an input file; a missing or unreadable file stops the run.
std::ifstream open_input(const std::string& dir, const char* name, Message missing) {
  std::ifstream in(join(dir, name), std::ios::binary);
  if (!in) throw StopRun(missing);
  return in;
}

// An output file being written; any failure (cannot open, short write,
// failed close) stops the run naming the file.
class OutputFile {
 public:
  OutputFile(const std::string& dir, const char* name) : name_(name) {
    file_ = std::fopen(join(dir, name).c_str(), "wb");
    if (file_ == nullptr) throw StopRun(Message::write_failed, name_);
  }
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  ~OutputFile() {
    if (file_ != nullptr) std::fclose(file_);
  }

  void write(const std::string& bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) fail();
  }

  void close() {
    std::FILE* f = file_;
    file_ = nullptr;
    if (std::fclose(f) != 0) fail();
  }

 private:
  [[noreturn]] void fail() { throw StopRun(Message::write_failed, name_); }

  std::string name_;
  std::FILE* file_ = nullptr;
};

void write_whole_file(const std::string& dir, const char* name, const std::string& bytes) {
  OutputFile file(dir, name);
  file.write(bytes);
  file.close();
}

void write_results(const std::string& dir, const SolvedCase& solved) {
  // All three coordinate files are opened before any is written.
  OutputFile gate(dir, "XYGate.csv");
  OutputFile stopper(dir, "XYStopper.csv");
  OutputFile balloon(dir, "XYBalloon.csv");
  gate.write(solved.files.gate);
  stopper.write(solved.files.stopper);
  balloon.write(solved.files.balloon);
  gate.close();
  stopper.close();
  balloon.close();
  write_whole_file(dir, "TQSpec.csv", solved.summary.text);
}

}  // namespace

CaseInput read_case_inputs(const std::string& dir) {
  CaseInput input;
  {
    std::ifstream in = open_input(dir, "syogen.csv", Message::syogen_missing);
    input.syogen = read_syogen(in);
  }
  {
    std::ifstream in = open_input(dir, "parameter.csv", Message::parameter_missing);
    input.parameter = read_parameter(in);
  }
  check_span_and_perimeter(input.syogen, input.parameter);
  {
    std::ifstream in = open_input(dir, "hitai.csv", Message::hitai_missing);
    input.points = read_profile_points(in);
  }
  return input;
}

int run_in_directory(const std::string& dir, std::ostream& err) {
  std::FILE* log = std::fopen(join(dir, "error.csv").c_str(), "wb");
  if (log == nullptr) {
    err << "tqweir: cannot create error.csv in " << (dir.empty() ? "." : dir) << "\n";
    return 1;
  }
  std::string line;
  int status = 1;
  try {
    const CaseInput input = read_case_inputs(dir);
    // The surface file is the same in every trial: written by the first
    // trial that reaches it, so a run stopped by the first trial's checks
    // leaves an earlier file alone.
    bool surface_written = false;
    const SurfaceSink sink = [&](const std::string& rows) {
      if (surface_written) return;
      write_whole_file(dir, "suimen.csv", rows);
      surface_written = true;
    };
    const SolvedCase solved = solve_case(input, sink);
    write_results(dir, solved);
    line = message_cp932(Message::finished) + "\r\n";
    status = 0;
  } catch (const StopRun& stop) {
    line = stop.log_line();
  } catch (const std::bad_alloc&) {
    err << "tqweir: out of memory\n";
  }
  const bool logged = std::fwrite(line.data(), 1, line.size(), log) == line.size();
  if (std::fclose(log) != 0 || !logged) {
    err << "tqweir: cannot write error.csv\n";
    return 1;
  }
  return status;
}

}  // namespace tqweir
