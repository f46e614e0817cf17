// Cells of a comma-separated text, as spreadsheets write and read them.
#ifndef TQWEIR_TEXT_CSV_CELLS_H_
#define TQWEIR_TEXT_CSV_CELLS_H_

#include <string>
#include <vector>

namespace tqweir {
namespace text {

struct CsvRow {
  int line = 0;  // 1-based line number in the text
  std::vector<std::string> cells;
};

// The end of the line that starts at text[pos] (the index of its line end,
// or text.size()); `next` gets the start of the next line. A line ends with
// CR LF, LF, or a CR alone, as a spreadsheet on an old Mac writes it.
std::size_t line_end(const std::string& text, std::size_t pos, std::size_t& next);

// Splits `text` into rows of cells. Line ends as line_end(); a leading UTF-8
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

// A cell as a message quotes it: in single quotes, cut after 40 bytes
// (never inside a UTF-8 character), every control byte written as \xNN, so
// that a NUL or an escape sequence cannot cut or garble the message on a
// terminal.
std::string shown_cell(const std::string& cell);

// The first control byte of `text` (below 0x20 or 0x7F, the tab excepted),
// or std::string::npos: such bytes are no part of a name or a title.
std::size_t control_byte(const std::string& text);

}  // namespace text
}  // namespace tqweir

#endif  // TQWEIR_TEXT_CSV_CELLS_H_
