#include "tools/plot/number_rows.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace tqweir {
namespace plot {
namespace {

// One field: blanks, a decimal number that fills the rest, blanks. strtod
// also reads "inf", "nan" and hexadecimal forms; none of these is a
// coordinate the program writes, so anything not finite is refused.
bool parse_number(const std::string& field, double& value) {
  const char* begin = field.c_str();
  char* end = nullptr;
  errno = 0;
  value = std::strtod(begin, &end);
  if (end == begin || errno == ERANGE) return false;
  while (*end == ' ' || *end == '\t') ++end;
  return *end == '\0' && std::isfinite(value);
}

// The line shortened for a message: a malformed file may hold anything.
std::string quoted(const std::string& line) {
  std::string shown = line.size() > 60 ? line.substr(0, 60) + "..." : line;
  for (char& c : shown) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7f) c = '?';
  }
  return "\"" + shown + "\"";
}

}  // namespace

std::vector<double> parse_number_fields(const std::string& line, int columns,
                                        const std::string& where) {
  std::vector<double> values;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = line.find(',', start);
    const std::string field =
        line.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    double value = 0.0;
    if (!parse_number(field, value)) {
      throw PlotInputError(where + ": expected " + std::to_string(columns) +
                           " comma-separated numbers, found " + quoted(line));
    }
    values.push_back(value);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (static_cast<int>(values.size()) != columns) {
    throw PlotInputError(where + ": expected " + std::to_string(columns) +
                         " comma-separated numbers, found " +
                         std::to_string(values.size()) + " in " + quoted(line));
  }
  return values;
}

std::vector<std::vector<double>> parse_number_rows(const std::string& text, int columns,
                                                   std::size_t min_rows,
                                                   const std::string& file_name) {
  std::vector<std::vector<double>> rows;
  std::size_t start = 0;
  int line_number = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    ++line_number;
    rows.push_back(parse_number_fields(
        line, columns, file_name + " line " + std::to_string(line_number)));
    start = end + 1;
  }
  if (rows.size() < min_rows) {
    throw PlotInputError(file_name + ": expected at least " + std::to_string(min_rows) +
                         " rows, found " + std::to_string(rows.size()));
  }
  return rows;
}

}  // namespace plot
}  // namespace tqweir
