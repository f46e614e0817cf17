#include "tools/common/unit_symbols.h"

namespace tqweir {
namespace tools {

std::string unit_suffix(const std::string& unit, const std::string& degree_sign) {
  if (unit.empty()) return "";
  return unit == "degree" ? degree_sign : " " + unit;
}

}  // namespace tools
}  // namespace tqweir
