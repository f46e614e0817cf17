#include "core/input_fields.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace tqweir {
namespace {

InputField parameter_field(const char* name, int position, const char* unit,
                           const char* column_unit, const char* en, const char* ja,
                           const char* rule, double ParameterInput::*member) {
  return InputField{name, InputFile::parameter, position, unit, column_unit, en, ja, rule,
                    nullptr, member, nullptr};
}

InputField syogen_field(const char* name, int position, const char* unit,
                        const char* column_unit, const char* en, const char* ja,
                        const char* rule, double SyogenInput::*member) {
  return InputField{name, InputFile::syogen, position, unit, column_unit, en, ja, rule,
                    member, nullptr, nullptr};
}

std::vector<InputField> make_fields() {
  using P = ParameterInput;
  using S = SyogenInput;
  return {
      InputField{"overflow_mode", InputFile::parameter, 1, "", "",
                 "surface model when the upstream water reaches the crest: 1 level, "
                 "2 straight drawdown, 3 critical-flow energy equation",
                 "越流時の水面形モデル (1 水平, 2 直線低下, 3 限界流のエネルギー式)",
                 "a whole number; must be 1, 2 or 3 when the water reaches the crest",
                 nullptr, nullptr, nullptr},
      parameter_field("upstream_level", 2, "m", "m",
                      "upstream water level in the section frame", "上流水位", "",
                      &P::upstream_level),
      parameter_field("hd_nd", 3, "", "",
                      "downstream water depth in bag heights, above the bag's bottom",
                      "下流水深 (袋体高さ比)", "values below 1e-05 become 1e-05",
                      &P::hd_nd),
      parameter_field("layer_level", 4, "m", "m",
                      "top of a second upstream layer; 0 or less: no layer",
                      "上流第2層 (堆砂等) の上面高", "", &P::layer_level),
      parameter_field("air_temperature", 5, "°C", "c",
                      "temperature at which the summary restates the bag pressure",
                      "空気温度", "", &P::air_temperature),
      parameter_field("theta1_deg", 6, "degree", "",
                      "leaf angle: inclination of the leaf's first segment", "扉体角度",
                      "the spread angle and the summary use it clamped to at least 1.0",
                      &P::theta1_deg),
      parameter_field("tip_moment", 7, "kN·m/m", "knm_per_m",
                      "further moment about the hinge from a load at the leaf's tip",
                      "扉体先端荷重によるモーメント", "kN to N on reading", &P::tip_moment),
      parameter_field("perimeter", 8, "m", "m", "perimeter of the bag's membrane in the section",
                      "袋体周長", "must be > 0", &P::perimeter),
      parameter_field("stopper_tension", 9, "kN", "kn",
                      "tension of the stopper (per metre: tension × multiplier / span)",
                      "ストッパー張力", "kN to N on reading", &P::stopper_tension),
      syogen_field("reserved_1", 1, "", "", "read, not used", "未使用", "", &S::reserved_1),
      syogen_field("span", 2, "m", "m", "span of the gate across the channel", "径間長",
                   "must be > 0", &S::span),
      syogen_field("reserved_3", 3, "", "", "read, not used", "未使用", "", &S::reserved_3),
      syogen_field("leaf_weight", 4, "N/m", "n_per_m", "weight of the leaf per metre of span",
                   "扉体重量", "", &S::leaf_weight),
      syogen_field("leaf_weight_arm", 5, "m", "m",
                   "distance along the leaf from the hinge at which the weight acts",
                   "扉体重心までの距離", "", &S::leaf_weight_arm),
      syogen_field("stopper_multiplier", 6, "", "", "multiplier of the stopper tension",
                   "ストッパー張力の倍率", "", &S::stopper_multiplier),
      syogen_field("anchor_distance", 7, "m", "m",
                   "distance along the leaf profile to the stopper's attachment",
                   "ストッパー取付点までの距離", "", &S::anchor_distance),
      syogen_field("base_distance", 8, "m", "m",
                   "horizontal distance from the hinge to the stopper's foot",
                   "ストッパー基部までの水平距離", "", &S::base_distance),
      syogen_field("theta2_deg", 9, "degree", "",
                   "floor angle: the floor falls at this angle towards +x", "床版角度", "",
                   &S::theta2_deg),
      syogen_field("discharge_coefficient", 10, "", "",
                   "coefficient C of the overflow discharge C·h^1.5", "越流流量係数", "",
                   &S::discharge_coefficient),
      syogen_field("water_unit_weight", 11, "N/m³", "n_per_m3",
                   "unit weight of water", "水の単位体積重量", "", &S::water_unit_weight),
      syogen_field("layer_unit_weight", 12, "N/m³", "n_per_m3",
                   "unit weight of the second upstream layer (also the horizontal "
                   "downstream load)",
                   "第2層の単位体積重量", "", &S::layer_unit_weight),
  };
}

}  // namespace

const char* input_file_name(InputFile file) {
  if (file == InputFile::case_values) return "";
  return file == InputFile::syogen ? "syogen.csv" : "parameter.csv";
}

const std::vector<InputField>& input_fields() {
  static const std::vector<InputField> fields = make_fields();
  return fields;
}

const InputField& input_field(InputId id) {
  return input_fields()[static_cast<std::size_t>(id)];
}

const InputField& seismic_field() {
  static const InputField field{"seismic_coefficient", InputFile::case_values, 0, "", "",
                                "horizontal seismic coefficient kh of an earthquake towards "
                                "downstream; 0: none",
                                "設計水平震度", "must be a finite number, 0 or more", nullptr,
                                nullptr, &CaseInput::seismic_coefficient};
  return field;
}

const InputField* find_input_field(const std::string& name) {
  for (const InputField& field : input_fields()) {
    if (name == field.name) return &field;
  }
  if (name == seismic_field().name) return &seismic_field();
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
  return field.syogen_member == nullptr && field.parameter_member == nullptr &&
         field.case_member == nullptr;
}

double field_value(const InputField& field, const CaseInput& input) {
  if (field.syogen_member != nullptr) return input.syogen.*field.syogen_member;
  if (field.parameter_member != nullptr) return input.parameter.*field.parameter_member;
  if (field.case_member != nullptr) return input.*field.case_member;
  return static_cast<double>(input.parameter.overflow_mode);
}

bool parse_field_value(const InputField& field, const std::string& text, double& value,
                       std::string& why) {
  if (text.empty()) {
    why = "is empty";
    return false;
  }
  // A NUL byte would end the C string early and hide what follows it.
  if (text.find('\0') != std::string::npos) {
    why = "holds a NUL byte";
    return false;
  }
  const char* begin = text.c_str();
  char* end = nullptr;
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
    value = static_cast<double>(n);
    return true;
  }
  // strtod is the conversion behind "%lf": the same text gives the same
  // double, an overflow gives an infinity as the reader would store it.
  value = std::strtod(begin, &end);
  if (end == begin || *end != '\0') {
    why = "is not a number";
    return false;
  }
  return field_value_allowed(field, value, why);
}

bool field_value_allowed(const InputField& field, double value, std::string& why) {
  if (field.case_member == &CaseInput::seismic_coefficient && !(value >= 0.0 && std::isfinite(value))) {
    why = "is not a seismic coefficient (a finite number, 0 or more)";
    return false;
  }
  return true;
}

void set_field_value(const InputField& field, double value, CaseInput& input) {
  if (field.syogen_member != nullptr) {
    input.syogen.*field.syogen_member = value;
  } else if (field.parameter_member != nullptr) {
    input.parameter.*field.parameter_member = value;
  } else if (field.case_member != nullptr) {
    input.*field.case_member = value;
  } else {
    input.parameter.overflow_mode = static_cast<int>(value);
  }
}

}  // namespace tqweir
