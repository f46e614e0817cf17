#include "text/name_value_rows.h"

#include "text/csv_cells.h"
#include "text/input_error.h"

namespace tqweir {
namespace text {

std::string cell_place(const std::string& source, int line, int column) {
  return source + " line " + std::to_string(line) + ", column " + std::to_string(column);
}

std::vector<NameValueRow> name_value_rows(const std::string& text, const std::string& source,
                                          const std::vector<std::string>& names) {
  std::vector<NameValueRow> result;
  const std::vector<CsvRow> rows = split_csv(text, source);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const CsvRow& row = rows[r];
    if (row.cells.size() != 2) {
      throw InputError(source + " line " + std::to_string(row.line) + ": " +
                       std::to_string(row.cells.size()) + " cells; each row is name,value");
    }
    const std::string& name = row.cells[0];
    if (r == 0 && name == "name" && row.cells[1] == "value") continue;
    std::size_t index = names.size();
    for (std::size_t k = 0; k < names.size(); ++k) index = name == names[k] ? k : index;
    if (index == names.size()) {
      std::string known;
      for (const std::string& n : names) known += (known.empty() ? "" : ", ") + n;
      throw InputError(cell_place(source, row.line, 1) + ": unknown name " + shown_cell(name) +
                       " (known names: " + known + ")");
    }
    for (const NameValueRow& seen : result) {
      if (seen.index == index) {
        throw InputError(cell_place(source, row.line, 1) + ": '" + name +
                         "' is already given on line " + std::to_string(seen.line));
      }
    }
    result.push_back({row.line, index, row.cells[1]});
  }
  return result;
}

}  // namespace text
}  // namespace tqweir
