// Files of rows "name,value" (criteria.csv, operation.csv): every row two
// cells, an optional header row "name,value", each name known and given
// once.
#ifndef TQWEIR_TEXT_NAME_VALUE_ROWS_H_
#define TQWEIR_TEXT_NAME_VALUE_ROWS_H_

#include <string>
#include <vector>

namespace tqweir {
namespace text {

struct NameValueRow {
  int line = 0;            // 1-based line of the text
  std::size_t index = 0;   // of the name in the names given
  std::string value;       // the second cell
};

// "SOURCE line L, column C": where a cell is, for a refusal.
std::string cell_place(const std::string& source, int line, int column);

// The rows of `text` in order, the header row left out. Throws InputError
// naming `source`, the line and the column for a row that is not two
// cells, a name not among `names` (listing them) and a name given twice
// (naming the line of the first).
std::vector<NameValueRow> name_value_rows(const std::string& text, const std::string& source,
                                          const std::vector<std::string>& names);

}  // namespace text
}  // namespace tqweir

#endif  // TQWEIR_TEXT_NAME_VALUE_ROWS_H_
