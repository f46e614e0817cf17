#include "operation/operation_file.h"

#include <filesystem>
#include <vector>

#include "core/file_io.h"

#include "text/csv_cells.h"
#include "text/input_error.h"
#include "text/name_value_rows.h"
#include "text/text_encoding.h"

namespace tqweir {
namespace operation {
namespace {

using text::InputError;

enum Name { kValveArea, kValveCoefficient, kBlowerCurve, kLoweredAngle };
const std::vector<std::string> kNames = {"valve_area", "valve_coefficient", "blower_curve",
                                         "lowered_angle"};

GivenValue number_value(const text::NameValueRow& row, const std::string& place) {
  GivenValue v;
  if (!text::finite_number_cell(row.value, v.value) || !(v.value > 0.0)) {
    throw InputError(place + ": " + text::shown_cell(row.value) +
                     " is not a finite number greater than 0");
  }
  v.given = true;
  v.text = row.value;
  v.line = row.line;
  return v;
}

void take_blower(const text::NameValueRow& row, const std::string& place, OperationFile& file) {
  std::string why;
  std::size_t column = 1;
  if (!parse_blower_curve(row.value, file.blower_curve, why, column)) {
    throw InputError(place + ", at character " + std::to_string(column) + ": " + why);
  }
  file.has_blower = true;
  file.blower_text = row.value;
  file.blower_line = row.line;
}

}  // namespace

std::string operation_names() {
  std::string names;
  for (const std::string& name : kNames) names += (names.empty() ? "" : ", ") + name;
  return names;
}

std::string value_place(const OperationFile& file, int line, const char* name) {
  return text::cell_place(file.source, line, 2) + " (" + name + ")";
}

OperationFile read_operation(const std::string& text, const std::string& source) {
  OperationFile file;
  file.source = source;
  for (const text::NameValueRow& row : text::name_value_rows(text, source, kNames)) {
    const std::string place = value_place(file, row.line, kNames[row.index].c_str());
    switch (row.index) {
      case kValveArea: file.valve_area = number_value(row, place); break;
      case kValveCoefficient: file.valve_coefficient = number_value(row, place); break;
      case kBlowerCurve: take_blower(row, place, file); break;
      case kLoweredAngle:
        file.lowered_angle = number_value(row, place);
        if (file.lowered_angle.value < kLowestLoweredAngle) {
          throw InputError(place + ": " + text::shown_cell(row.value) +
                           " is below 1.0, the leaf angle the summary clamps to");
        }
        break;
    }
  }
  return file;
}

bool read_operation_in(const std::string& dir, OperationFile& file) {
  const std::string path = join_path(dir, "operation.csv");
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return false;
  std::string bytes;
  if (!read_file(path, bytes)) throw InputError("cannot read " + path);
  file = read_operation(text::decoded_text(bytes, path), path);
  return true;
}

}  // namespace operation
}  // namespace tqweir
