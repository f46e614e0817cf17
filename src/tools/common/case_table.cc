#include "tools/common/case_table.h"

#include <cmath>

#include "tools/common/csv_cells.h"
#include "tools/common/input_error.h"

namespace tqweir {
namespace tools {
namespace {

// A cell as quoted in a message: long cells are cut, never inside a UTF-8
// character.
std::string shown(const std::string& cell) {
  std::size_t cut = 40;
  if (cell.size() <= cut) return "'" + cell + "'";
  while (cut > 0 && (static_cast<unsigned char>(cell[cut]) & 0xC0) == 0x80) --cut;
  return "'" + cell.substr(0, cut) + "...'";
}

std::string at(const std::string& source, int line, std::size_t column) {
  return source + " line " + std::to_string(line) + ", column " + std::to_string(column + 1);
}

// The field columns of the header; `first` is the first such column.
std::vector<const InputField*> header_fields(const CsvRow& header, std::size_t first,
                                             const std::string& source) {
  std::vector<const InputField*> fields;
  for (std::size_t c = first; c < header.cells.size(); ++c) {
    const std::string& name = header.cells[c];
    const std::string place = at(source, header.line, c);
    if (name.empty()) throw InputError(place + ": the field name is empty");
    const InputField* field = find_input_field(name);
    if (field == nullptr) {
      throw InputError(place + ": unknown field " + shown(name) +
                       " (known fields: " + input_field_list() + ")");
    }
    for (std::size_t before = 0; before < fields.size(); ++before) {
      if (fields[before] == field) {
        throw InputError(place + ": field " + shown(name) + " is already column " +
                         std::to_string(before + first + 1));
      }
    }
    fields.push_back(field);
  }
  return fields;
}

std::vector<FieldValue> row_values(const CsvRow& row, const std::vector<const InputField*>& fields,
                                   std::size_t first, const CaseTableRules& rules,
                                   const std::string& source) {
  if (row.cells.size() != fields.size() + first) {
    throw InputError(source + " line " + std::to_string(row.line) + ": " +
                     std::to_string(row.cells.size() - first) + " values, but the header names " +
                     std::to_string(fields.size()) + " fields");
  }
  std::vector<FieldValue> values(fields.size());
  for (std::size_t c = 0; c < fields.size(); ++c) {
    const std::string& cell = row.cells[c + first];
    std::string why;
    bool ok = parse_field_value(*fields[c], cell, values[c], why);
    if (ok && rules.finite_values && !std::isfinite(values[c].real)) {
      ok = false;
      why = "is not a finite number";
    }
    if (!ok) {
      throw InputError(at(source, row.line, c + first) + " (" + fields[c]->name + "): " +
                       shown(cell) + " " + why);
    }
  }
  return values;
}

// The name in the first cell of `row`, checked against the names before it.
std::string case_name(const CsvRow& row, const std::vector<CsvRow>& rows,
                      const std::vector<std::string>& earlier, const std::string& source) {
  const std::string& name = row.cells.empty() ? std::string() : row.cells[0];
  if (name.empty()) throw InputError(at(source, row.line, 0) + ": the case name is empty");
  for (std::size_t k = 0; k < earlier.size(); ++k) {
    if (earlier[k] == name) {
      throw InputError(at(source, row.line, 0) + ": case " + shown(name) +
                       " is already named on line " + std::to_string(rows[k + 1].line));
    }
  }
  return name;
}

}  // namespace

CaseTable read_case_table(const std::string& text, const std::string& source,
                          const CaseTableRules& rules) {
  const std::vector<CsvRow> rows = split_csv(text, source);
  if (rows.empty()) throw InputError(source + ": no header row naming the fields");
  const std::size_t first = rules.named_cases ? 1 : 0;
  if (rules.named_cases && rows[0].cells[0] != "case") {
    throw InputError(at(source, rows[0].line, 0) +
                     ": the first column holds the case names; head it 'case'");
  }
  CaseTable table;
  table.fields = header_fields(rows[0], first, source);
  if (rows.size() < 2) throw InputError(source + ": no case row after the header");
  table.rows.reserve(rows.size() - 1);
  for (std::size_t r = 1; r < rows.size(); ++r) {
    table.rows.push_back(row_values(rows[r], table.fields, first, rules, source));
    if (rules.named_cases) table.names.push_back(case_name(rows[r], rows, table.names, source));
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

}  // namespace tools
}  // namespace tqweir
