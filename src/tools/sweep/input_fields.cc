#include "tools/sweep/input_fields.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace tqweir {
namespace sweep {
namespace {

InputField parameter_field(const char* name, const char* unit,
                           double ParameterInput::*member) {
  return InputField{name, unit, InputFile::parameter, nullptr, member};
}

InputField syogen_field(const char* name, const char* unit, double SyogenInput::*member) {
  return InputField{name, unit, InputFile::syogen, member, nullptr};
}

std::vector<InputField> make_fields() {
  return {
      InputField{"overflow_mode", "", InputFile::parameter, nullptr, nullptr},
      parameter_field("upstream_level", "m", &ParameterInput::upstream_level),
      parameter_field("hd_nd", "", &ParameterInput::hd_nd),
      parameter_field("layer_level", "m", &ParameterInput::layer_level),
      parameter_field("air_temperature", "c", &ParameterInput::air_temperature),
      parameter_field("theta1_deg", "", &ParameterInput::theta1_deg),
      parameter_field("tip_moment", "knm_per_m", &ParameterInput::tip_moment),
      parameter_field("perimeter", "m", &ParameterInput::perimeter),
      parameter_field("stopper_tension", "kn", &ParameterInput::stopper_tension),
      syogen_field("reserved_1", "", &SyogenInput::reserved_1),
      syogen_field("span", "m", &SyogenInput::span),
      syogen_field("reserved_3", "", &SyogenInput::reserved_3),
      syogen_field("leaf_weight", "n_per_m", &SyogenInput::leaf_weight),
      syogen_field("leaf_weight_arm", "m", &SyogenInput::leaf_weight_arm),
      syogen_field("stopper_multiplier", "", &SyogenInput::stopper_multiplier),
      syogen_field("anchor_distance", "m", &SyogenInput::anchor_distance),
      syogen_field("base_distance", "m", &SyogenInput::base_distance),
      syogen_field("theta2_deg", "", &SyogenInput::theta2_deg),
      syogen_field("discharge_coefficient", "", &SyogenInput::discharge_coefficient),
      syogen_field("water_unit_weight", "n_per_m3", &SyogenInput::water_unit_weight),
      syogen_field("layer_unit_weight", "n_per_m3", &SyogenInput::layer_unit_weight),
  };
}

}  // namespace

const std::vector<InputField>& input_fields() {
  static const std::vector<InputField> fields = make_fields();
  return fields;
}

const InputField* find_input_field(const std::string& name) {
  for (const InputField& field : input_fields()) {
    if (name == field.name) return &field;
  }
  return nullptr;
}

std::string input_field_list() {
  std::string list;
  for (const InputField& field : input_fields()) {
    if (!list.empty()) list += ", ";
    list += field.name;
  }
  return list;
}

bool is_integer_field(const InputField& field) {
  return field.syogen_member == nullptr && field.parameter_member == nullptr;
}

std::string result_column_name(const InputField& field) {
  std::string name = std::string("in_") + field.name;
  if (*field.unit != '\0') name += std::string("_") + field.unit;
  return name;
}

bool parse_field_value(const InputField& field, const std::string& text,
                       FieldValue& value, std::string& why) {
  // A NUL byte would end the C string early and hide what follows it.
  if (text.empty()) {
    why = "is empty";
    return false;
  }
  if (text.find('\0') != std::string::npos) {
    why = "holds a NUL byte";
    return false;
  }
  const char* begin = text.c_str();
  char* end = nullptr;
  value.text = text;
  if (is_integer_field(field)) {
    errno = 0;
    const long n = std::strtol(begin, &end, 10);
    if (end == begin || *end != '\0') {
      why = "is not a whole number (overflow_mode is 1, 2 or 3)";
      return false;
    }
    if (errno == ERANGE || n < INT_MIN || n > INT_MAX) {
      why = "is out of the range of an integer";
      return false;
    }
    value.integer = static_cast<int>(n);
    value.real = static_cast<double>(n);
    return true;
  }
  // strtod is the conversion behind "%lf": the same text gives the same
  // double, an overflow gives an infinity as the reader would store it.
  value.real = std::strtod(begin, &end);
  if (end == begin || *end != '\0') {
    why = "is not a number";
    return false;
  }
  return true;
}

void apply_field(const InputField& field, const FieldValue& value, CaseInput& input) {
  if (field.syogen_member != nullptr) {
    input.syogen.*field.syogen_member = value.real;
  } else if (field.parameter_member != nullptr) {
    input.parameter.*field.parameter_member = value.real;
  } else {
    input.parameter.overflow_mode = value.integer;
  }
}

double field_value(const InputField& field, const CaseInput& input) {
  if (field.syogen_member != nullptr) return input.syogen.*field.syogen_member;
  if (field.parameter_member != nullptr) return input.parameter.*field.parameter_member;
  return static_cast<double>(input.parameter.overflow_mode);
}

}  // namespace sweep
}  // namespace tqweir
