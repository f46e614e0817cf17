#include "tools/common/count_text.h"

namespace tqweir {
namespace tools {

std::string count_of(std::size_t n, const char* thing) {
  return std::to_string(n) + " " + thing + (n == 1 ? "" : "s");
}

}  // namespace tools
}  // namespace tqweir
