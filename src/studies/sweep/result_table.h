// The result table of a sweep (RESULT.csv): one row per case.
#ifndef TQWEIR_TOOLS_SWEEP_RESULT_TABLE_H_
#define TQWEIR_TOOLS_SWEEP_RESULT_TABLE_H_

#include <string>
#include <vector>

#include "studies/sweep/case_outcome.h"
#include "cases/case_table.h"

namespace tqweir {
namespace sweep {

// The whole file: a header row ("case", then "in_<field>_<unit>" for every
// overridden field, "status", "message", then the 27 summary fields by
// name and unit), and per case its number from 1, its values as written,
// the status key, the message as error.csv holds it (CP932, without the
// line end) and the fields of its TQSpec.csv line exactly as printed there
// (empty when the case stopped). Lines end in CR LF.
// REQUIRES: outcomes.size() == table.rows.size().
std::string result_table(const cases::CaseTable& table, const std::vector<CaseOutcome>& outcomes);

// The pieces of a row, for tables that put their own columns before the
// outcome (tqweir-seek's sealed curve): the column of an input field
// ("in_" + name + "_" + unit), the outcome's column names ("status",
// "message", the 27 fields) and a case's cells under them.
std::string input_column_name(const InputField& field);
std::vector<std::string> outcome_columns();
void append_outcome_cells(const CaseOutcome& outcome, std::vector<std::string>& cells);

}  // namespace sweep
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_SWEEP_RESULT_TABLE_H_
