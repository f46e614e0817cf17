#include "driver/memory_run.h"

#include <utility>

#include "core/input_fields.h"
#include "core/stop.h"

namespace tqweir {
namespace {

MemoryRun kept(RunOutcome&& outcome, const MemoryFiles& files) {
  MemoryRun run;
  static_cast<RunOutcome&>(run) = std::move(outcome);
  run.files = files.written();
  run.files["error.csv"] = run.log_line;
  return run;
}

}  // namespace

std::string MemoryRun::file(const std::string& name) const {
  const auto found = files.find(name);
  return found == files.end() ? std::string() : found->second;
}

MemoryRun run_in_memory(const CaseTexts& inputs, const FolderLike& folder) {
  if (folder.blocked.count("error.csv") != 0) return MemoryRun();
  MemoryFiles files(inputs, folder);
  return kept(run_case(files), files);
}

MemoryRun run_in_memory(const CaseInput& input, const FolderLike& folder) {
  if (folder.blocked.count("error.csv") != 0) return MemoryRun();
  MemoryFiles files(CaseTexts{}, folder);
  return kept(run_case(input, files), files);
}

MemoryRun run_in_memory(const CaseTexts& inputs, const FolderLike& folder, double kh) {
  if (kh == 0.0) return run_in_memory(inputs, folder);
  CaseInput input;
  try {
    MemoryFiles reader(inputs, folder);
    input = read_case(reader);
  } catch (const StopRun&) {
    return run_in_memory(inputs, folder);
  }
  set_field_value(seismic_field(), kh, input);
  return run_in_memory(input, folder);
}

}  // namespace tqweir
