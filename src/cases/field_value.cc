#include "cases/field_value.h"

#include "text/number_cell.h"

namespace tqweir {
namespace cases {

bool parse_field_value(const InputField& field, const std::string& text,
                       FieldValue& value, std::string& why) {
  value.text = text;
  return tqweir::parse_field_value(field, text, value.real, why);
}

bool parse_design_value(const InputField& field, const std::string& text,
                        FieldValue& value, std::string& why) {
  double number = 0.0;
  return (is_integer_field(field) || text::read_number(text, number, why)) &&
         parse_field_value(field, text, value, why);
}

void apply_field(const InputField& field, const FieldValue& value, CaseInput& input) {
  set_field_value(field, value.real, input);
}

}  // namespace cases
}  // namespace tqweir
