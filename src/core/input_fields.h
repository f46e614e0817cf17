// The input fields of syogen.csv and parameter.csv: one table that says,
// for every field, its name, file, position, unit, meaning and reading rule.
//
// The readers store what they scan through it, the sweep and the report
// find a field by its name in it, and the documentation is checked against
// it, so the order and meaning of the fields are written down once.
#ifndef TQWEIR_CORE_INPUT_FIELDS_H_
#define TQWEIR_CORE_INPUT_FIELDS_H_

#include <string>
#include <vector>

#include "core/run_state.h"

namespace tqweir {

// case_values: no file holds the field; a case given as values carries it.
enum class InputFile { syogen, parameter, case_values };

// "syogen.csv", "parameter.csv", or "" for case_values.
const char* input_file_name(InputFile file);

// One number of syogen.csv or parameter.csv, or of a case given as values.
// Exactly one of the three member pointers is set, except for overflow_mode
// (the only integer), which has none.
struct InputField {
  const char* name;         // "upstream_level": as in a CASES.csv header
  InputFile file;
  int position;             // 1-based place of the number in its file
  const char* unit;         // as shown to a person: "m", "kN·m/m", "" when none
  const char* column_unit;  // ASCII, for column names: "m", "knm_per_m", ""
  const char* meaning_en;
  const char* meaning_ja;
  const char* rule_en;      // what reading does to the value, "" when nothing
  double SyogenInput::*syogen_member;
  double ParameterInput::*parameter_member;
  double CaseInput::*case_member;
};

// The fields by name, in the table's order, so that code names a field
// (`input_field(InputId::upstream_level)`) instead of looking up a string.
enum class InputId : int {
  overflow_mode, upstream_level, hd_nd, layer_level, air_temperature, theta1_deg, tip_moment,
  perimeter, stopper_tension,
  reserved_1, span, reserved_3, leaf_weight, leaf_weight_arm, stopper_multiplier,
  anchor_distance, base_distance, theta2_deg, discharge_coefficient, water_unit_weight,
  layer_unit_weight,
};

// Every field: the nine of parameter.csv, then the twelve of syogen.csv,
// each in file order.
const std::vector<InputField>& input_fields();

// The field `id` names.
const InputField& input_field(InputId id);

// The field a case given as values carries beyond its files: the
// horizontal seismic coefficient kh (0 or more), which a load case, a
// table's column or a keyword sets. Not among input_fields().
const InputField& seismic_field();

// The field of that name (the files' or seismic_field()), or nullptr.
const InputField* find_input_field(const std::string& name);

// "overflow_mode, upstream_level, ...": for messages naming the choices.
std::string input_field_list();

bool is_integer_field(const InputField& field);

// The field's value in `input` as read (overflow_mode as a double).
double field_value(const InputField& field, const CaseInput& input);

// Converts `text` (already trimmed) as the reader converts that field of its
// file. A real converts like "%lf" (strtod: decimal, exponent, hexadecimal,
// inf and nan all as the reader reads them) and must use the whole text;
// overflow_mode converts like "%d" and must be a whole decimal integer within
// int. A non-finite real is accepted here: a case made with it then stops as
// the reader would stop the run. Returns false with `why` (an English
// phrase: "is not a number") when the text does not convert, or when the
// value is not one field_value_allowed allows.
bool parse_field_value(const InputField& field, const std::string& text, double& value,
                       std::string& why);

// False, with `why` (an English phrase following the value), for a value the
// field cannot take at all: the seismic coefficient must be a finite number,
// 0 or more. Every other field takes any value here (its reader's or the
// run's checks come later).
bool field_value_allowed(const InputField& field, double value, std::string& why);

// Stores `value` in the field (overflow_mode: the value as an int).
// REQUIRES: for overflow_mode, `value` is a whole number within int.
void set_field_value(const InputField& field, double value, CaseInput& input);

}  // namespace tqweir

#endif  // TQWEIR_CORE_INPUT_FIELDS_H_
