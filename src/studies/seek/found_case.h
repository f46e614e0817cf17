// The case a seek found: the three input files with the value found, and
// the files tqweir writes for them, solved from those texts as written.
#ifndef TQWEIR_STUDIES_SEEK_FOUND_CASE_H_
#define TQWEIR_STUDIES_SEEK_FOUND_CASE_H_

#include "driver/memory_run.h"
#include "studies/seek/seek_plan.h"

namespace tqweir {
namespace seek {

struct FoundCase {
  CaseTexts texts;  // syogen.csv, parameter.csv, hitai.csv
  MemoryRun run;    // tqweir's files for them
};

// The plan's case with its field at `value`, written and solved again.
FoundCase found_case(const SeekPlan& plan, double value);

// Whether the found case's run finished with the summary the search logged
// at the edge's value: texts that did not read back to the same values
// would give another state.
bool found_as_searched(const FoundCase& found, const SeekSearch& search, const search::Edge& edge);

}  // namespace seek
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_SEEK_FOUND_CASE_H_
