#include "text/csv_cells.h"

#include <algorithm>

#include "text/input_error.h"

namespace tqweir {
namespace text {
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

std::size_t line_end(const std::string& text, std::size_t pos, std::size_t& next) {
  const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
  next = end + 1;
  if (end < text.size() && text[end] == '\r' && next < text.size() && text[next] == '\n') ++next;
  return end;
}

std::vector<CsvRow> split_csv(const std::string& text, const std::string& source) {
  std::vector<CsvRow> rows;
  std::size_t pos = 0;
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) pos = 3;
  int line_number = 0;
  while (pos < text.size()) {
    ++line_number;
    std::size_t next = 0;
    const std::string line = text.substr(pos, line_end(text, pos, next) - pos);
    pos = next;
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

std::string shown_cell(const std::string& cell) {
  std::size_t cut = cell.size();
  if (cut > 40) {
    cut = 40;
    while (cut > 0 && (static_cast<unsigned char>(cell[cut]) & 0xC0) == 0x80) --cut;
  }
  std::string out = "'";
  for (std::size_t i = 0; i < cut; ++i) {
    const auto b = static_cast<unsigned char>(cell[i]);
    if (b < 0x20 || b == 0x7F) {
      const char* digits = "0123456789ABCDEF";
      out += std::string("\\x") + digits[b >> 4] + digits[b & 0xF];
    } else {
      out += cell[i];
    }
  }
  return out + (cut < cell.size() ? "...'" : "'");
}

std::size_t control_byte(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if ((b < 0x20 && b != '\t') || b == 0x7F) return i;
  }
  return std::string::npos;
}

}  // namespace text
}  // namespace tqweir
