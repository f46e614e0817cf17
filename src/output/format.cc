#include "output/format.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace tqweir {

void append_format(std::string& out, const char* format, ...) {
  char buffer[256];
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  if (n < 0) {
    va_end(again);
    return;
  }
  if (static_cast<std::size_t>(n) < sizeof buffer) {
    out.append(buffer, static_cast<std::size_t>(n));
  } else {
    // Only a huge number (%lf prints every integer digit) gets here.
    std::vector<char> big(static_cast<std::size_t>(n) + 1);
    std::vsnprintf(big.data(), big.size(), format, again);
    out.append(big.data(), static_cast<std::size_t>(n));
  }
  va_end(again);
}

void append_xy_row(std::string& out, double x, double y) {
  append_format(out, "%10.8f,%10.8f", x, y);
  out += kLineEnd;
}

}  // namespace tqweir
