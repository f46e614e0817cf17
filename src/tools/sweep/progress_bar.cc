#include "tools/sweep/progress_bar.h"

#include <cstdio>

namespace tqweir {
namespace sweep {

std::string progress_line(std::size_t done, std::size_t total, double elapsed_seconds,
                          int width) {
  const double fraction = static_cast<double>(done) / static_cast<double>(total);
  const int filled = static_cast<int>(fraction * width);
  std::string line = "\r[";
  line.append(static_cast<std::size_t>(filled), '#');
  line.append(static_cast<std::size_t>(width - filled), '-');
  char numbers[96];
  std::snprintf(numbers, sizeof numbers, "] %zu/%zu %3d%%", done, total,
                static_cast<int>(fraction * 100.0));
  line += numbers;
  if (elapsed_seconds >= 1.0) {
    std::snprintf(numbers, sizeof numbers, "  %.0f cases/s",
                  static_cast<double>(done) / elapsed_seconds);
    line += numbers;
  }
  return line;
}

}  // namespace sweep
}  // namespace tqweir
