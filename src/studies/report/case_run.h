// The program's run of each case of a design, in memory (driver's
// run_in_memory), with its printed results read back: every file it
// writes and the message it ends with, as a run in a folder would leave
// them. run_case_in_memory is the one place where a case's solve becomes
// the report's CaseRun: the page, Python and every section take their
// numbers from the CaseRun, so that the numbers can come from the solve's
// own state instead of its printed files by changing this file alone.
#ifndef TQWEIR_STUDIES_REPORT_CASE_RUN_H_
#define TQWEIR_STUDIES_REPORT_CASE_RUN_H_

#include <string>

#include "core/messages.h"
#include "core/summary_fields.h"
#include "input/case_reader.h"
#include "leaf/leaf_forces.h"
#include "text/run_results.h"

namespace tqweir {
namespace report {

struct CaseRun {
  bool converged = false;         // the run finished normally
  Message message = Message::finished;
  std::string message_ja;         // the error.csv line in UTF-8
  std::string message_en;         // its meaning
  text::PrintedSummary printed;  // TQSpec.csv's fields; empty unless converged
  text::OutputTexts files;       // the output files' texts and syogen.csv
  leaf::LeafForces leaf;         // the leaf as a free body; when converged
};

// The three input files of `input`: syogen.csv and parameter.csv written
// with every value exactly (shortest text that reads back to the same
// double), hitai.csv as given.
CaseTexts case_texts(const CaseInput& input, const std::string& hitai);

// Runs the program's sequence on the case `input`.
CaseRun run_case_in_memory(const CaseInput& input);

// Summary field `id` of a converged run: its printed text, and the number
// that text prints.
const std::string& field_text(const CaseRun& run, SummaryId id);
double field_number(const CaseRun& run, SummaryId id);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_REPORT_CASE_RUN_H_
