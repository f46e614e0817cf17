#include "input/scan.h"

#include <cmath>

namespace tqweir {

std::string prepare_for_scan(const std::string& content) {
  static const char kByteOrderMark[] = "\xEF\xBB\xBF";
  std::string text =
      content.compare(0, 3, kByteOrderMark) == 0 ? content.substr(3) : content;
  for (char& c : text) {
    if (c == '\0') c = '\x01';
  }
  return text;
}

void store_scanned(InputFile file, const double* values, CaseInput& input) {
  for (const InputField& field : input_fields()) {
    if (field.file != file || is_integer_field(field)) continue;
    set_field_value(field, values[field.position - 1], input);
  }
}

bool all_finite(const double* values, int count) {
  for (int i = 0; i < count; ++i) {
    if (!std::isfinite(values[i])) return false;
  }
  return true;
}

}  // namespace tqweir
