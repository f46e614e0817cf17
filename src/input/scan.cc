#include "input/scan.h"

#include <cmath>
#include <iterator>

namespace tqweir {

std::string read_for_scan(std::istream& in) {
  std::string text{std::istreambuf_iterator<char>(in),
                   std::istreambuf_iterator<char>()};
  for (char& c : text) {
    if (c == '\0') c = '\x01';
  }
  return text;
}

bool all_finite(const double* values, int count) {
  for (int i = 0; i < count; ++i) {
    if (!std::isfinite(values[i])) return false;
  }
  return true;
}

}  // namespace tqweir
