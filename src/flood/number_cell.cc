#include "flood/number_cell.h"

#include <cstdio>

#include "text/csv_cells.h"
#include "text/input_error.h"
#include "text/number_cell.h"

namespace tqweir {
namespace flood {

std::string shown_number(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.6g", value);
  return buffer;
}

double number_cell(const std::string& cell, const std::string& place, bool non_negative) {
  const double value = text::number_cell(cell, place);
  if (non_negative && value < 0.0) {
    throw text::InputError(place + ": " + text::shown_cell(cell) + " is negative");
  }
  return value;
}

}  // namespace flood
}  // namespace tqweir
