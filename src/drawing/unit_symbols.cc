#include "drawing/unit_symbols.h"

namespace tqweir {
namespace drawing {

std::string unit_suffix(const std::string& unit, const std::string& degree_sign) {
  if (unit.empty()) return "";
  return unit == "degree" ? degree_sign : " " + unit;
}

}  // namespace drawing
}  // namespace tqweir
