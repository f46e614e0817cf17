#include "text/summary_text.h"

namespace tqweir {
namespace text {

std::vector<std::string> summary_field_texts(const std::string& line) {
  std::vector<std::string> fields;
  if (line.empty()) return fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = line.find(',', start);
    fields.push_back(line.substr(start, comma - start));
    if (comma == std::string::npos) return fields;
    start = comma + 1;
  }
}

}  // namespace text
}  // namespace tqweir
