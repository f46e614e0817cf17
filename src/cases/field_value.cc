#include "cases/field_value.h"

namespace tqweir {
namespace cases {

bool parse_field_value(const InputField& field, const std::string& text,
                       FieldValue& value, std::string& why) {
  value.text = text;
  return tqweir::parse_field_value(field, text, value.real, why);
}

void apply_field(const InputField& field, const FieldValue& value, CaseInput& input) {
  set_field_value(field, value.real, input);
}

}  // namespace cases
}  // namespace tqweir
