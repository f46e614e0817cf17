#include "tools/common/csv_cells.h"

#include "tools/common/input_error.h"

namespace tqweir {
namespace tools {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

std::string where(const std::string& source, int line) {
  return source + " line " + std::to_string(line) + ": ";
}

// Reads the quoted cell starting at line[i] == '"'; leaves i after the
// closing quote.
std::string quoted_cell(const std::string& line, std::size_t& i,
                        const std::string& source, int line_number) {
  std::string cell;
  ++i;
  for (;;) {
    if (i >= line.size()) {
      throw InputError(where(source, line_number) + "a quote is not closed");
    }
    if (line[i] != '"') {
      cell += line[i++];
    } else if (i + 1 < line.size() && line[i + 1] == '"') {
      cell += '"';
      i += 2;
    } else {
      ++i;
      return cell;
    }
  }
}

std::vector<std::string> split_line(const std::string& line, const std::string& source,
                                    int line_number) {
  std::vector<std::string> cells;
  std::size_t i = 0;
  for (;;) {
    while (i < line.size() && is_blank(line[i])) ++i;
    std::string cell;
    if (i < line.size() && line[i] == '"') {
      cell = quoted_cell(line, i, source, line_number);
      while (i < line.size() && is_blank(line[i])) ++i;
      if (i < line.size() && line[i] != ',') {
        throw InputError(where(source, line_number) + "text follows a closing quote");
      }
    } else {
      const std::size_t start = i;
      while (i < line.size() && line[i] != ',') ++i;
      std::size_t stop = i;
      while (stop > start && is_blank(line[stop - 1])) --stop;
      cell = line.substr(start, stop - start);
    }
    cells.push_back(cell);
    if (i >= line.size()) return cells;
    ++i;  // the comma
  }
}

bool only_blanks(const std::string& line) {
  for (char c : line) {
    if (!is_blank(c)) return false;
  }
  return true;
}

}  // namespace

std::vector<CsvRow> split_csv(const std::string& text, const std::string& source) {
  std::vector<CsvRow> rows;
  std::size_t pos = 0;
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) pos = 3;
  int line_number = 0;
  while (pos < text.size()) {
    ++line_number;
    std::size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (only_blanks(line)) continue;
    rows.push_back(CsvRow{line_number, split_line(line, source, line_number)});
  }
  return rows;
}

std::string csv_line(const std::vector<std::string>& cells) {
  std::string out;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) out += ',';
    const std::string& cell = cells[i];
    if (cell.find_first_of(",\"\r\n") == std::string::npos) {
      out += cell;
      continue;
    }
    out += '"';
    for (char c : cell) {
      if (c == '"') out += '"';
      out += c;
    }
    out += '"';
  }
  out += "\r\n";
  return out;
}

}  // namespace tools
}  // namespace tqweir
