#include "tools/report/case_run.h"

#include <algorithm>

#include "core/input_fields.h"
#include "driver/memory_run.h"
#include "tools/report/number_text.h"

namespace tqweir {
namespace report {
namespace {

// The fields of one input file in their order, each value written exactly.
std::string file_text(const CaseInput& input, InputFile file) {
  std::vector<const InputField*> fields;
  for (const InputField& field : input_fields()) {
    if (field.file == file) fields.push_back(&field);
  }
  std::sort(fields.begin(), fields.end(),
            [](const InputField* a, const InputField* b) { return a->position < b->position; });
  std::string text;
  for (const InputField* field : fields) {
    if (!text.empty()) text += ",";
    text += exact_text(field_value(*field, input));
  }
  return text + "\r\n";
}

}  // namespace

CaseTexts case_texts(const CaseInput& input, const std::string& hitai) {
  return CaseTexts{file_text(input, InputFile::syogen), file_text(input, InputFile::parameter),
                   hitai};
}

CaseRun run_case_in_memory(const CaseInput& input) {
  const MemoryRun outcome = run_in_memory(input);
  CaseRun run;
  run.converged = outcome.exit_status == 0;
  run.message = outcome.message;
  // Memory takes every write, so no message names a file.
  run.message_ja = message_utf8(run.message);
  run.message_en = message_meaning(run.message);
  tools::output_texts(outcome.files, run.files);
  // The drawing and the self-checks take the floor's direction from it
  // when the stopper's foot lies at the hinge.
  run.files.syogen = file_text(input, InputFile::syogen);
  if (run.converged) run.printed = tools::read_printed_summary(run.files.summary);
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
