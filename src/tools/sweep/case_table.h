// The table of cases of a sweep: which input fields are overridden, and
// the values of each case.
#ifndef TQWEIR_TOOLS_SWEEP_CASE_TABLE_H_
#define TQWEIR_TOOLS_SWEEP_CASE_TABLE_H_

#include <string>
#include <vector>

#include "driver/case_solver.h"
#include "tools/sweep/input_fields.h"

namespace tqweir {
namespace sweep {

struct CaseTable {
  std::vector<const InputField*> fields;     // the columns, each field once
  std::vector<std::vector<FieldValue>> rows;  // one per case, a value per column
};

// Reads the text of a CASES.csv: a header row naming input fields, then
// one row per case. Throws SweepError naming `source`, the line and the
// column (number and field) for: an empty, unknown or repeated field name;
// a value that does not convert for its field; a row with more or fewer
// cells than the header. Also for a text without a header or without a
// case row.
CaseTable read_case_table(const std::string& text, const std::string& source);

// The base case with the values of row `row` in their fields.
// REQUIRES: row < table.rows.size().
CaseInput case_input(const CaseInput& base, const CaseTable& table, std::size_t row);

}  // namespace sweep
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_SWEEP_CASE_TABLE_H_
