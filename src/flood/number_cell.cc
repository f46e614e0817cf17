#include "flood/number_cell.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "text/csv_cells.h"
#include "text/input_error.h"

namespace tqweir {
namespace flood {

std::string shown_number(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.6g", value);
  return buffer;
}

std::string cell_place(const std::string& source, int line, int column) {
  return source + " line " + std::to_string(line) + ", column " + std::to_string(column);
}

double number_cell(const std::string& cell, const std::string& place, bool non_negative) {
  char* end = nullptr;
  const double value = std::strtod(cell.c_str(), &end);
  // The whole cell: strtod stops at a NUL or at trailing text. An overflow
  // comes back as infinity and is refused with "inf" and "nan" written out.
  const bool whole = !cell.empty() && end == cell.c_str() + cell.size();
  if (!whole || !std::isfinite(value)) {
    throw text::InputError(place + ": " + text::shown_cell(cell) + " is not a finite number");
  }
  if (non_negative && value < 0.0) {
    throw text::InputError(place + ": " + text::shown_cell(cell) + " is negative");
  }
  return value;
}

}  // namespace flood
}  // namespace tqweir
