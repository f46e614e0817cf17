#include "driver/memory_run.h"

#include <utility>

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

MemoryRun run_in_memory(const CaseInput& input) {
  MemoryFiles files(CaseTexts{});
  return kept(run_case(input, files), files);
}

}  // namespace tqweir
