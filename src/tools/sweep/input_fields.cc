#include "tools/sweep/input_fields.h"

namespace tqweir {
namespace sweep {

bool parse_field_value(const InputField& field, const std::string& text,
                       FieldValue& value, std::string& why) {
  value.text = text;
  return tqweir::parse_field_value(field, text, value.real, why);
}

void apply_field(const InputField& field, const FieldValue& value, CaseInput& input) {
  set_field_value(field, value.real, input);
}

std::string result_column_name(const InputField& field) {
  std::string name = std::string("in_") + field.name;
  if (*field.column_unit != '\0') name += std::string("_") + field.column_unit;
  return name;
}

}  // namespace sweep
}  // namespace tqweir
