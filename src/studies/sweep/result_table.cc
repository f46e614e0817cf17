#include "studies/sweep/result_table.h"

#include "core/summary_fields.h"
#include "text/csv_cells.h"
#include "text/summary_text.h"

namespace tqweir {
namespace sweep {
namespace {

std::vector<std::string> header(const cases::CaseTable& table) {
  std::vector<std::string> cells{"case"};
  for (const InputField* field : table.fields) cells.push_back(input_column_name(*field));
  for (const std::string& column : outcome_columns()) cells.push_back(column);
  return cells;
}

// The summary line's fields as printed, padding included; empty cells for
// a case without a summary.
void append_summary(const std::string& summary, std::vector<std::string>& cells) {
  if (summary.empty()) {
    cells.resize(cells.size() + kSummaryFieldCount);
    return;
  }
  for (const std::string& field : text::summary_field_texts(summary)) cells.push_back(field);
}

}  // namespace

std::string input_column_name(const InputField& field) {
  std::string name = std::string("in_") + field.name;
  if (*field.column_unit != '\0') name += std::string("_") + field.column_unit;
  return name;
}

std::vector<std::string> outcome_columns() {
  std::vector<std::string> cells{"status", "message"};
  for (const SummaryField& field : summary_fields()) cells.push_back(field.column);
  return cells;
}

void append_outcome_cells(const CaseOutcome& outcome, std::vector<std::string>& cells) {
  cells.push_back(outcome.status);
  cells.push_back(outcome.message);
  append_summary(outcome.summary, cells);
}

std::string result_table(const cases::CaseTable& table, const std::vector<CaseOutcome>& outcomes) {
  std::string text = text::csv_line(header(table));
  for (std::size_t row = 0; row < outcomes.size(); ++row) {
    std::vector<std::string> cells{std::to_string(row + 1)};
    for (const cases::FieldValue& value : table.rows[row]) cells.push_back(value.text);
    append_outcome_cells(outcomes[row], cells);
    text += text::csv_line(cells);
  }
  return text;
}

}  // namespace sweep
}  // namespace tqweir
