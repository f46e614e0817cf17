#include "tools/sweep/case_table.h"

#include "tools/sweep/csv_cells.h"
#include "tools/sweep/sweep_error.h"

namespace tqweir {
namespace sweep {
namespace {

// A cell as quoted in a message: long cells are cut.
std::string shown(const std::string& cell) {
  const std::size_t kMax = 40;
  if (cell.size() <= kMax) return "'" + cell + "'";
  return "'" + cell.substr(0, kMax) + "...'";
}

std::string at(const std::string& source, int line, std::size_t column) {
  return source + " line " + std::to_string(line) + ", column " + std::to_string(column + 1);
}

std::vector<const InputField*> header_fields(const CsvRow& header, const std::string& source) {
  std::vector<const InputField*> fields;
  for (std::size_t c = 0; c < header.cells.size(); ++c) {
    const std::string& name = header.cells[c];
    const std::string place = at(source, header.line, c);
    if (name.empty()) throw SweepError(place + ": the field name is empty");
    const InputField* field = find_input_field(name);
    if (field == nullptr) {
      throw SweepError(place + ": unknown field " + shown(name) +
                       " (known fields: " + input_field_list() + ")");
    }
    for (std::size_t before = 0; before < fields.size(); ++before) {
      if (fields[before] == field) {
        throw SweepError(place + ": field " + shown(name) + " is already column " +
                         std::to_string(before + 1));
      }
    }
    fields.push_back(field);
  }
  return fields;
}

std::vector<FieldValue> row_values(const CsvRow& row, const std::vector<const InputField*>& fields,
                                   const std::string& source) {
  if (row.cells.size() != fields.size()) {
    throw SweepError(source + " line " + std::to_string(row.line) + ": " +
                     std::to_string(row.cells.size()) + " values, but the header names " +
                     std::to_string(fields.size()) + " fields");
  }
  std::vector<FieldValue> values(fields.size());
  for (std::size_t c = 0; c < fields.size(); ++c) {
    std::string why;
    if (!parse_field_value(*fields[c], row.cells[c], values[c], why)) {
      throw SweepError(at(source, row.line, c) + " (" + fields[c]->name + "): " +
                       shown(row.cells[c]) + " " + why);
    }
  }
  return values;
}

}  // namespace

CaseTable read_case_table(const std::string& text, const std::string& source) {
  const std::vector<CsvRow> rows = split_csv(text, source);
  if (rows.empty()) throw SweepError(source + ": no header row naming the fields");
  CaseTable table;
  table.fields = header_fields(rows[0], source);
  if (rows.size() < 2) throw SweepError(source + ": no case row after the header");
  table.rows.reserve(rows.size() - 1);
  for (std::size_t r = 1; r < rows.size(); ++r) {
    table.rows.push_back(row_values(rows[r], table.fields, source));
  }
  return table;
}

CaseInput case_input(const CaseInput& base, const CaseTable& table, std::size_t row) {
  CaseInput input = base;
  for (std::size_t c = 0; c < table.fields.size(); ++c) {
    apply_field(*table.fields[c], table.rows[row][c], input);
  }
  return input;
}

}  // namespace sweep
}  // namespace tqweir
