#include "driver/run_directory.h"

#include <cstdio>
#include <new>

#include "core/file_io.h"
#include "core/stop.h"
#include "driver/case_solver.h"
#include "input/case_reader.h"

namespace tqweir {
namespace {

// Writes the files of `names` as one batch; any failure stops the run
// naming the first file that could not be written, and then no file of the
// batch that comes after it is changed.
void write_outputs(const std::string& dir,
                   std::initializer_list<std::pair<const char*, const std::string*>> files) {
  FileBatch batch;
  for (const auto& [name, bytes] : files) {
    if (!batch.add(join_path(dir, name), *bytes)) throw StopRun(Message::write_failed, name);
  }
  std::string failed;
  if (!batch.commit(failed)) {
    for (const auto& [name, bytes] : files) {
      if (join_path(dir, name) == failed) throw StopRun(Message::write_failed, name);
    }
  }
}

void write_results(const std::string& dir, const SolvedCase& solved) {
  write_outputs(dir, {{"XYGate.csv", &solved.files.gate},
                      {"XYStopper.csv", &solved.files.stopper},
                      {"XYBalloon.csv", &solved.files.balloon}});
  write_outputs(dir, {{"TQSpec.csv", &solved.summary.text}});
}

}  // namespace

int run_in_directory(const std::string& dir, std::ostream& err) {
  std::FILE* log = std::fopen(join_path(dir, "error.csv").c_str(), "wb");
  if (log == nullptr) {
    err << "tqweir: cannot create error.csv in " << (dir.empty() ? "." : dir) << "\n";
    return 1;
  }
  std::string line;
  int status = 1;
  try {
    const CaseInput input = read_case_folder(dir);
    // The surface file is the same in every trial: written by the first
    // trial that reaches it, so a run stopped by the first trial's checks
    // leaves an earlier file alone.
    bool surface_written = false;
    const SurfaceSink sink = [&](const std::string& rows) {
      if (surface_written) return;
      write_outputs(dir, {{"suimen.csv", &rows}});
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
