// Cells of a comma-separated text, as spreadsheets write and read them.
#ifndef TQWEIR_TOOLS_COMMON_CSV_CELLS_H_
#define TQWEIR_TOOLS_COMMON_CSV_CELLS_H_

#include <string>
#include <vector>

namespace tqweir {
namespace tools {

struct CsvRow {
  int line = 0;  // 1-based line number in the text
  std::vector<std::string> cells;
};

// Splits `text` into rows of cells. Line ends CR LF or LF; a leading UTF-8
// byte order mark is dropped; lines holding only blanks are skipped; blanks
// and tabs around a cell are dropped; a cell in double quotes loses them
// ("" inside stands for one quote). Throws InputError naming `source` and
// the line for a quote left open at the end of its line or followed by
// anything but a comma.
std::vector<CsvRow> split_csv(const std::string& text, const std::string& source);

// The cells joined by commas, with CR LF: a cell holding a comma, a quote
// or a line end is quoted. Bytes are copied as they are, so CP932 text
// (whose second bytes are never a comma, a quote, CR or LF) passes intact.
std::string csv_line(const std::vector<std::string>& cells);

}  // namespace tools
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_COMMON_CSV_CELLS_H_
