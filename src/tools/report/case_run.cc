#include "tools/report/case_run.h"

#include <cstdlib>

#include "driver/run_directory.h"
#include "driver/run_files.h"
#include "tools/common/case_files.h"
#include "tools/common/summary_text.h"

namespace tqweir {
namespace report {
namespace {

std::string file_of(const MemoryFiles& files, const char* name) {
  const auto found = files.written().find(name);
  return found == files.written().end() ? std::string() : found->second;
}

}  // namespace

CaseTexts case_texts(const CaseInput& input, const std::string& hitai) {
  return tools::exact_case_texts(input, hitai);
}

CaseRun run_case_in_memory(const CaseInput& input, const std::string& hitai) {
  MemoryFiles files(case_texts(input, hitai));
  const RunOutcome outcome = run_case(files);
  CaseRun run;
  run.converged = outcome.exit_status == 0;
  run.message = outcome.message;
  // Memory takes every write, so no message names a file.
  run.message_ja = message_utf8(run.message);
  run.message_en = message_meaning(run.message);
  run.gate = file_of(files, "XYGate.csv");
  run.stopper = file_of(files, "XYStopper.csv");
  run.balloon = file_of(files, "XYBalloon.csv");
  run.surface = file_of(files, "suimen.csv");
  if (!run.converged) return run;
  run.summary = file_of(files, "TQSpec.csv");
  for (const std::string& printed : tools::summary_field_texts(run.summary)) {
    run.fields.push_back(tools::trimmed(printed));
  }
  run.fields.resize(kSummaryFieldCount);
  for (int i = 0; i < kSummaryFieldCount; ++i) {
    run.values[static_cast<std::size_t>(i)] = std::strtod(run.fields[i].c_str(), nullptr);
  }
  return run;
}

const std::string& field_text(const CaseRun& run, SummaryId id) {
  return run.fields[static_cast<std::size_t>(summary_index(id))];
}

}  // namespace report
}  // namespace tqweir
