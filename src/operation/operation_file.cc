#include "operation/operation_file.h"

#include <filesystem>
#include <vector>

#include "core/file_io.h"

#include "text/csv_cells.h"
#include "text/input_error.h"
#include "text/name_value_rows.h"
#include "text/number_cell.h"
#include "text/text_encoding.h"

namespace tqweir {
namespace operation {
namespace {

using text::InputError;

enum Name {
  kValveArea, kValveCoefficient, kBlowerCurve, kLoweredAngle, kLowerAt, kRaiseAt, kBackupAt,
  kInitialLevel, kPondArea, kStorageCurve, kOtherOutflow, kTailwaterCurve, kFixedCrest,
  kCoefficientCurve, kVibrationBand
};
const std::vector<std::string> kNames = {
    "valve_area", "valve_coefficient", "blower_curve", "lowered_angle", "lower_at_level",
    "raise_at_level", "backup_lower_at_level", "initial_level", "pond_area", "storage_curve",
    "other_outflow", "tailwater_curve", "fixed_crest", "discharge_coefficient_curve",
    "vibration_band"};

// The numbers of the file by their row's index; the blower, the angle and
// the pair lists are read on their own.
GivenValue* number_of(OperationFile& f, int index) {
  switch (index) {
    case kValveArea: return &f.valve_area;
    case kValveCoefficient: return &f.valve_coefficient;
    case kLowerAt: return &f.lower_at_level;
    case kRaiseAt: return &f.raise_at_level;
    case kBackupAt: return &f.backup_lower_at_level;
    case kInitialLevel: return &f.initial_level;
    case kPondArea: return &f.pond_area;
    default: return nullptr;
  }
}

GivenPairs* pairs_of(OperationFile& f, int index) {
  switch (index) {
    case kStorageCurve: return &f.storage_curve;
    case kOtherOutflow: return &f.other_outflow;
    case kTailwaterCurve: return &f.tailwater_curve;
    case kFixedCrest: return &f.fixed_crest;
    case kCoefficientCurve: return &f.discharge_coefficient_curve;
    case kVibrationBand: return &f.vibration_band;
    default: return nullptr;
  }
}

GivenValue number_value(const text::NameValueRow& row, const std::string& place) {
  GivenValue v;
  v.value = text::number_cell(row.value, place);
  if (!(v.value > 0.0)) {
    throw InputError(place + ": " + text::shown_cell(row.value) +
                     " is not a finite number greater than 0");
  }
  // The jet of an orifice contracts: it never carries more than the flow
  // through the whole opening at the ideal velocity.
  if (row.index == kValveCoefficient && v.value > 1.0) {
    throw InputError(place + ": " + text::shown_cell(row.value) +
                     " is above 1, and a discharge coefficient is at most 1");
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
    if (GivenValue* number = number_of(file, row.index)) {
      *number = number_value(row, place);
      continue;
    }
    if (GivenPairs* pairs = pairs_of(file, row.index)) {
      *pairs = GivenPairs{true, row.value, row.line};
      continue;
    }
    switch (row.index) {
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
  if (file.pond_area.given && file.storage_curve.given) {
    throw InputError(value_place(file, file.storage_curve.line, "storage_curve") +
                     ": give storage_curve or pond_area, not both (pond_area on line " +
                     std::to_string(file.pond_area.line) + ")");
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
