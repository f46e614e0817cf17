// A value written for an input field in a case table, and how it reaches a
// case and names its column. The fields themselves are the core's table.
#ifndef TQWEIR_TOOLS_SWEEP_INPUT_FIELDS_H_
#define TQWEIR_TOOLS_SWEEP_INPUT_FIELDS_H_

#include <string>

#include "core/input_fields.h"

namespace tqweir {
namespace sweep {

// A value as written and as converted.
struct FieldValue {
  std::string text;  // as written, for the result table
  double real = 0.0;
};

// parse_field_value of the core, keeping the text.
bool parse_field_value(const InputField& field, const std::string& text,
                       FieldValue& value, std::string& why);

// Stores the value in its field of `input`.
void apply_field(const InputField& field, const FieldValue& value, CaseInput& input);

// The column name in the result table: "in_" + name + "_" + unit.
std::string result_column_name(const InputField& field);

}  // namespace sweep
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_SWEEP_INPUT_FIELDS_H_
