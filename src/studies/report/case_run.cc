#include "studies/report/case_run.h"

#include "driver/memory_run.h"
#include "cases/case_files.h"

namespace tqweir {
namespace report {

CaseTexts case_texts(const CaseInput& input, const std::string& hitai) {
  return cases::exact_case_texts(input, hitai);
}

CaseRun run_case_in_memory(const CaseInput& input) {
  const MemoryRun outcome = run_in_memory(input);
  CaseRun run;
  run.converged = outcome.exit_status == 0;
  run.message = outcome.message;
  // Memory takes every write, so no message names a file.
  run.message_ja = message_utf8(run.message);
  run.message_en = message_meaning(run.message);
  text::output_texts(outcome.files, run.files);
  // The drawing and the self-checks take the floor's direction from it
  // when the stopper's foot lies at the hinge.
  run.files.syogen = cases::exact_case_texts(input, "").syogen;
  if (!run.converged) return run;
  run.printed = text::read_printed_summary(run.files.summary);
  run.leaf = leaf::leaf_forces(outcome.result);
  return run;
}

const std::string& field_text(const CaseRun& run, SummaryId id) {
  return run.printed.text[static_cast<std::size_t>(summary_index(id))];
}

double field_number(const CaseRun& run, SummaryId id) {
  return run.printed.value[static_cast<std::size_t>(summary_index(id))];
}

}  // namespace report
}  // namespace tqweir
