// The input fields a sweep may override, by the names the design method
// gives them, and how a value written for one reaches a case.
#ifndef TQWEIR_TOOLS_SWEEP_INPUT_FIELDS_H_
#define TQWEIR_TOOLS_SWEEP_INPUT_FIELDS_H_

#include <string>
#include <vector>

#include "driver/case_solver.h"

namespace tqweir {
namespace sweep {

enum class InputFile { syogen, parameter };

// One field of syogen.csv or parameter.csv. Exactly one of the two members
// is set, except for overflow_mode (the only integer), which has neither.
struct InputField {
  const char* name;  // as in a CASES.csv header: "upstream_level"
  const char* unit;  // suffix of the result column, "" when none: "m", "kn"
  InputFile file;
  double SyogenInput::*syogen_member;
  double ParameterInput::*parameter_member;
};

// A value written for a field, converted as the program's own reader
// converts that field of its file.
struct FieldValue {
  std::string text;  // as written, for the result table
  double real = 0.0;
  int integer = 0;   // overflow_mode only
};

// All overridable fields: the nine of parameter.csv, then the twelve of
// syogen.csv, each in file order.
const std::vector<InputField>& input_fields();

// The field of that name, or nullptr.
const InputField* find_input_field(const std::string& name);

// "overflow_mode, upstream_level, ...": for messages naming the choices.
std::string input_field_list();

bool is_integer_field(const InputField& field);

// The column name in the result table: "in_" + name + "_" + unit.
std::string result_column_name(const InputField& field);

// Converts `text` (already trimmed) for `field`. A real converts like "%lf"
// (strtod: decimal, exponent, hexadecimal, inf and nan all as the reader
// reads them) and must use the whole text; overflow_mode converts like "%d"
// and must be a whole decimal integer within int. A non-finite real is
// accepted here: the case then stops as the reader would stop the run.
// Returns false with `why` (an English phrase) when the text does not
// convert.
bool parse_field_value(const InputField& field, const std::string& text,
                       FieldValue& value, std::string& why);

// Stores the value in its field of `input`.
void apply_field(const InputField& field, const FieldValue& value, CaseInput& input);

// The field's value in `input` (overflow_mode as a double).
double field_value(const InputField& field, const CaseInput& input);

}  // namespace sweep
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_SWEEP_INPUT_FIELDS_H_
