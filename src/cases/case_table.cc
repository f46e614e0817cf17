#include "cases/case_table.h"

#include <unordered_map>

#include "text/csv_cells.h"
#include "text/input_error.h"
#include "text/text_encoding.h"

namespace tqweir {
namespace cases {
namespace {

const auto shown = text::shown_cell;

std::string at(const std::string& source, int line, std::size_t column) {
  return source + " line " + std::to_string(line) + ", column " + std::to_string(column + 1);
}

// The field columns of the header; `first` is the first such column.
std::vector<const InputField*> header_fields(const text::CsvRow& header, std::size_t first,
                                             const std::string& source) {
  std::vector<const InputField*> fields;
  for (std::size_t c = first; c < header.cells.size(); ++c) {
    const std::string& name = header.cells[c];
    const std::string place = at(source, header.line, c);
    if (name.empty()) throw text::InputError(place + ": the field name is empty");
    const InputField* field = find_input_field(name);
    if (field == nullptr) {
      throw text::InputError(place + ": unknown field " + shown(name) +
                       " (known fields: " + input_field_list() + ")");
    }
    for (std::size_t before = 0; before < fields.size(); ++before) {
      if (fields[before] == field) {
        throw text::InputError(place + ": field " + shown(name) + " is already column " +
                         std::to_string(before + first + 1));
      }
    }
    fields.push_back(field);
  }
  return fields;
}

std::vector<FieldValue> row_values(const text::CsvRow& row, const std::vector<const InputField*>& fields,
                                   std::size_t first, const CaseTableRules& rules,
                                   const std::string& source) {
  if (row.cells.size() != fields.size() + first) {
    throw text::InputError(source + " line " + std::to_string(row.line) + ": " +
                     std::to_string(row.cells.size() - first) + " values, but the header names " +
                     std::to_string(fields.size()) + " fields");
  }
  std::vector<FieldValue> values(fields.size());
  for (std::size_t c = 0; c < fields.size(); ++c) {
    const std::string& cell = row.cells[c + first];
    std::string why;
    // The rule first, for its words; the conversion is strtod's either way.
    const bool ok = rules.design_numbers ? parse_design_value(*fields[c], cell, values[c], why)
                                         : parse_field_value(*fields[c], cell, values[c], why);
    if (!ok) {
      throw text::InputError(at(source, row.line, c + first) + " (" + fields[c]->name + "): " +
                       shown(cell) + " " + why);
    }
  }
  return values;
}

bool is_white_space(char32_t c) {
  return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
         c == 0x205F || c == 0x3000;
}

// Marks that show nothing: the byte order mark (also read as a zero-width
// no-break space), the zero-width space and the word joiner.
bool is_invisible(char32_t c) { return c == 0xFEFF || c == 0x200B || c == 0x2060; }

// The name in the first cell of `row`, which must not be empty or hold a
// control byte.
const std::string& case_name(const text::CsvRow& row, const std::string& source) {
  const std::string& name = row.cells[0];
  if (name_key(name).empty()) throw text::InputError(at(source, row.line, 0) + ": the case name is empty");
  const std::size_t control = text::control_byte(name);
  if (control != std::string::npos) {
    throw text::InputError(at(source, row.line, 0) + ": the case name " + shown(name) +
                     " holds a control byte, " + shown(name.substr(control, 1)));
  }
  return name;
}

}  // namespace

std::string name_key(const std::string& name) {
  std::string key;
  bool space = false;  // white space since the last character kept
  for (std::size_t i = 0; i < name.size();) {
    char32_t c = 0;
    std::size_t length = text::utf8_char(name, i, c);
    if (length == 0) c = 0xFFFD, length = 1;  // a byte of another encoding counts as itself
    const std::string bytes = name.substr(i, length);
    i += length;
    if (is_invisible(c)) continue;
    if (is_white_space(c)) {
      space = true;
      continue;
    }
    if (space && !key.empty()) key += ' ';
    space = false;
    key += bytes;
  }
  return key;
}

CaseTable read_case_table(const std::string& text, const std::string& source,
                          const CaseTableRules& rules) {
  text::refuse_utf16(text, source);
  const std::vector<text::CsvRow> rows = text::split_csv(text, source);
  if (rows.empty()) throw text::InputError(source + ": no header row naming the fields");
  const std::size_t first = rules.named_cases ? 1 : 0;
  if (rules.named_cases && rows[0].cells[0] != "case") {
    throw text::InputError(at(source, rows[0].line, 0) +
                     ": the first column holds the case names; head it 'case'");
  }
  CaseTable table;
  table.fields = header_fields(rows[0], first, source);
  if (rows.size() < 2) throw text::InputError(source + ": no case row after the header");
  if (rules.max_cases > 0 && rows.size() - 1 > rules.max_cases) {
    throw text::InputError(source + ": " + std::to_string(rows.size() - 1) + " cases; " +
                     rules.over_max_cases);
  }
  std::unordered_map<std::string, std::size_t> row_of_name;  // by name_key
  table.rows.reserve(rows.size() - 1);
  for (std::size_t r = 1; r < rows.size(); ++r) {
    table.rows.push_back(row_values(rows[r], table.fields, first, rules, source));
    if (!rules.named_cases) continue;
    const std::string& name = case_name(rows[r], source);
    table.names.push_back(name);
    const auto named = row_of_name.emplace(name_key(name), r);
    if (named.second) continue;
    const std::string& earlier = rows[named.first->second].cells[0];
    throw text::InputError(at(source, rows[r].line, 0) + ": case " + shown(name) +
                     " is already named on line " + std::to_string(rows[named.first->second].line) +
                     (earlier == name ? std::string()
                                      : " as " + shown(earlier) +
                                            " (white space and invisible marks do not count)"));
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

}  // namespace cases
}  // namespace tqweir
