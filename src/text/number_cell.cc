#include "text/number_cell.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>

#include "text/csv_cells.h"
#include "text/input_error.h"

namespace tqweir {
namespace text {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Skips the digits from text[i]; true when there was at least one, and
// `nonzero` set when one of them is not 0.
bool digits(const std::string& text, std::size_t& i, bool& nonzero) {
  const std::size_t start = i;
  for (; i < text.size() && is_digit(text[i]); ++i) nonzero = nonzero || text[i] != '0';
  return i > start;
}

// The decimal grammar, checked before strtod sees the text: strtod also
// takes hexadecimal, "inf", "nan" and leading white space, which no file
// of a design means. `nonzero` tells a written 0 from an underflow.
bool is_decimal(const std::string& text, bool& nonzero) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  bool mantissa = digits(text, i, nonzero);
  if (i < text.size() && text[i] == '.') {
    ++i;
    mantissa = digits(text, i, nonzero) || mantissa;
  }
  if (!mantissa) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool exponent_nonzero = false;
    if (!digits(text, i, exponent_nonzero)) return false;
  }
  return i == text.size();
}

}  // namespace

bool read_number(const std::string& cell, double& value, std::string& why) {
  bool nonzero = false;
  if (!is_decimal(cell, nonzero)) {
    why = "is not a decimal number (such as 2.5, -0.75 or 1.2e-3)";
    return false;
  }
  // The grammar leaves no NUL and nothing strtod would stop at: it reads
  // the whole text.
  const double read = std::strtod(cell.c_str(), nullptr);
  const double size = std::fabs(read);
  if (!(size <= DBL_MAX) || (nonzero && size < DBL_MIN)) {
    why = "is out of the range of numbers (0, or a size from 2.3e-308 to 1.7e308)";
    return false;
  }
  value = read;
  return true;
}

double number_cell(const std::string& cell, const std::string& place) {
  double value = 0.0;
  std::string why;
  if (!read_number(cell, value, why)) throw InputError(place + ": " + shown_cell(cell) + " " + why);
  return value;
}

}  // namespace text
}  // namespace tqweir
