#include "text/count_text.h"

namespace tqweir {
namespace text {

std::string count_of(std::size_t n, const char* thing) {
  return std::to_string(n) + " " + thing + (n == 1 ? "" : "s");
}

}  // namespace text
}  // namespace tqweir
