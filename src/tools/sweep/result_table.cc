#include "tools/sweep/result_table.h"

#include "output/summary.h"
#include "tools/sweep/csv_cells.h"

namespace tqweir {
namespace sweep {
namespace {

std::vector<std::string> header(const CaseTable& table) {
  std::vector<std::string> cells{"case"};
  for (const InputField* field : table.fields) cells.push_back(result_column_name(*field));
  cells.push_back("status");
  cells.push_back("message");
  for (const SummaryField& field : summary_fields()) cells.push_back(field.column);
  return cells;
}

// The summary line's fields as printed, padding included; empty cells for
// a case without a summary.
void append_summary(const std::string& summary, std::vector<std::string>& cells) {
  if (summary.empty()) {
    cells.resize(cells.size() + kSummaryFieldCount);
    return;
  }
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = summary.find(',', start);
    cells.push_back(summary.substr(start, comma - start));
    if (comma == std::string::npos) return;
    start = comma + 1;
  }
}

}  // namespace

std::string result_table(const CaseTable& table, const std::vector<CaseOutcome>& outcomes) {
  std::string text = csv_line(header(table));
  for (std::size_t row = 0; row < outcomes.size(); ++row) {
    std::vector<std::string> cells{std::to_string(row + 1)};
    for (const FieldValue& value : table.rows[row]) cells.push_back(value.text);
    cells.push_back(outcomes[row].status);
    cells.push_back(outcomes[row].message);
    append_summary(outcomes[row].summary, cells);
    text += csv_line(cells);
  }
  return text;
}

}  // namespace sweep
}  // namespace tqweir
