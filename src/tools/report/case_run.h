// The program's run of each case of a design, in memory: every file it
// writes and the message it ends with, as a run in a folder would leave
// them.
#ifndef TQWEIR_TOOLS_REPORT_CASE_RUN_H_
#define TQWEIR_TOOLS_REPORT_CASE_RUN_H_

#include <array>
#include <string>
#include <vector>

#include "core/messages.h"
#include "core/summary_fields.h"
#include "input/case_reader.h"

namespace tqweir {
namespace report {

struct CaseRun {
  bool converged = false;         // the run finished normally
  Message message = Message::finished;
  std::string message_ja;         // the error.csv line in UTF-8
  std::string message_en;         // its meaning
  // TQSpec.csv's fields as printed, padding dropped; empty unless converged.
  std::vector<std::string> fields;
  std::array<double, kSummaryFieldCount> values{};  // the printed fields read back
  std::string gate, stopper, balloon, surface, summary;  // the output files' texts
};

// The three input files of `input`: syogen.csv and parameter.csv written
// with every value exactly (shortest text that reads back to the same
// double), hitai.csv as given.
CaseTexts case_texts(const CaseInput& input, const std::string& hitai);

// Runs the program's sequence on the files of `input`.
CaseRun run_case_in_memory(const CaseInput& input, const std::string& hitai);

// The printed text of summary field `id` of a converged run.
const std::string& field_text(const CaseRun& run, SummaryId id);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_REPORT_CASE_RUN_H_
