// A value written for an input field in a table of cases, and how it
// reaches a case. The fields themselves are the core's table.
#ifndef TQWEIR_CASES_FIELD_VALUE_H_
#define TQWEIR_CASES_FIELD_VALUE_H_

#include <string>

#include "core/input_fields.h"

namespace tqweir {
namespace cases {

// A value as written and as converted.
struct FieldValue {
  std::string text;  // as written, for tables that show it
  double real = 0.0;
};

// parse_field_value of the core, keeping the text.
bool parse_field_value(const InputField& field, const std::string& text,
                       FieldValue& value, std::string& why);

// A value of a design's files (a load case's cell, the page's form): a real
// first as the design's numbers are read (text::read_number, for its words),
// then as parse_field_value converts it.
bool parse_design_value(const InputField& field, const std::string& text,
                        FieldValue& value, std::string& why);

// Stores the value in its field of `input`.
void apply_field(const InputField& field, const FieldValue& value, CaseInput& input);

}  // namespace cases
}  // namespace tqweir

#endif  // TQWEIR_CASES_FIELD_VALUE_H_
