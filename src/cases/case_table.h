// A table of cases (a sweep's CASES.csv, a report's loadcases.csv): which
// input fields are overridden, and the values of each case.
#ifndef TQWEIR_CASES_CASE_TABLE_H_
#define TQWEIR_CASES_CASE_TABLE_H_

#include <string>
#include <vector>

#include "core/run_state.h"
#include "cases/field_value.h"

namespace tqweir {
namespace cases {

struct CaseTable {
  std::vector<const InputField*> fields;      // the columns, each field once
  std::vector<std::string> names;             // one per case when the table names them
  std::vector<std::vector<FieldValue>> rows;  // one per case, a value per column
};

// What a table may hold beyond a header of field names and rows of values.
struct CaseTableRules {
  // The first column is headed "case" and holds each case's name: any text
  // but empty, each name once.
  bool named_cases = false;
  // Values of real fields follow the number rule of a design folder's files
  // (text::read_number: decimals, no infinity, no underflow). Otherwise
  // they are read as the input readers read them ("inf", "nan" and
  // hexadecimal too, and a case made with an infinity stops as a run would).
  bool design_numbers = false;
  // More case rows than this (0: no limit) are refused before any row is
  // read, the message ending with `over_max_cases`.
  std::size_t max_cases = 0;
  std::string over_max_cases;
};

// A case name as names are compared: without Unicode white space and the
// invisible marks (byte order mark, zero-width space, word joiner) at its
// ends, and with each run of white space inside as one space, so that
// "a", "a" + U+3000 and "a" + U+00A0 are one name, and "flood 1" the same
// as "flood" + U+3000 + "1".
std::string name_key(const std::string& name);

// Reads the text of a table: a header row naming input fields, then one
// row per case. Throws InputError naming `source`, the line and the column
// (number and field) for: an empty, unknown or repeated field name; a value
// that does not convert for its field (or, by `rules`, breaks the number
// rule); a row with more or fewer cells than the header; a missing "case"
// header, an empty name, a name with a control byte, a name whose name_key
// is another's. Also for a text without a header or without a case row,
// with more rows than rules.max_cases (counted first), or in UTF-16. Bytes are
// taken as they are; only the field names and numbers need to be ASCII.
CaseTable read_case_table(const std::string& text, const std::string& source,
                          const CaseTableRules& rules = CaseTableRules());

// The base case with the values of row `row` in their fields.
// REQUIRES: row < table.rows.size().
CaseInput case_input(const CaseInput& base, const CaseTable& table, std::size_t row);

}  // namespace cases
}  // namespace tqweir

#endif  // TQWEIR_CASES_CASE_TABLE_H_
