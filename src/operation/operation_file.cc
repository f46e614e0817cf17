#include "operation/operation_file.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/file_io.h"
#include "design/design.h"

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
  kInitialLevel, kPondArea, kStorageCurve, kOtherOutflow, kTailwaterCurve, kGates, kBlowers,
  kLowerAtLevels, kBackupAtLevels, kFixedCrest, kCoefficientCurve, kVibrationBand
};
const std::vector<std::string> kNames = {
    "valve_area", "valve_coefficient", "blower_curve", "lowered_angle", "lower_at_level",
    "raise_at_level", "backup_lower_at_level", "initial_level", "pond_area", "storage_curve",
    "other_outflow", "tailwater_curve", "gates", "blowers", "lower_at_levels",
    "backup_lower_at_levels", "fixed_crest", "discharge_coefficient_curve", "vibration_band"};

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
    case kGates: return &f.gates;
    case kBlowers: return &f.blowers;
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
  const bool count = row.index == kGates || row.index == kBlowers;
  if (count && !(v.value == std::floor(v.value) && v.value <= kMostGates)) {
    throw InputError(place + ": " + text::shown_cell(row.value) + " is not a whole number from 1 to " +
                     std::to_string(kMostGates));
  }
  v.given = true;
  v.text = row.value;
  v.line = row.line;
  return v;
}

GivenLevels* levels_of(OperationFile& f, int index) {
  switch (index) {
    case kLowerAtLevels: return &f.lower_at_levels;
    case kBackupAtLevels: return &f.backup_lower_at_levels;
    default: return nullptr;
  }
}

// "3.1 3.2 3.3": levels separated by blanks, each a number above 0.
GivenLevels levels_value(const text::NameValueRow& row, const std::string& place) {
  GivenLevels v{true, row.value, row.line, {}, {}};
  std::size_t k = 0;
  while (k < row.value.size() && v.values.size() <= static_cast<std::size_t>(kMostGates)) {
    if (row.value[k] == ' ') {
      ++k;
      continue;
    }
    const std::size_t end = std::min(row.value.find(' ', k), row.value.size());
    const std::string cell = row.value.substr(k, end - k);
    const double level = text::number_cell(cell, place);
    if (!(level > 0.0)) {
      throw InputError(place + ": " + text::shown_cell(cell) + " is not a finite number greater than 0");
    }
    v.values.push_back(level);
    v.texts.push_back(cell);
    k = end;
  }
  if (v.values.empty() || v.values.size() > static_cast<std::size_t>(kMostGates)) {
    throw InputError(place + ": give one level for every gate, or one for all, separated by blanks");
  }
  return v;
}

// A level row and its plural name one thing: not both; the plural holds
// one level or one for each gate.
void check_levels(const OperationFile& file, const GivenValue& one, const char* one_name,
                  const GivenLevels& each, const char* each_name) {
  if (!each.given) return;
  const std::string place = value_place(file, each.line, each_name);
  if (one.given) {
    throw InputError(place + ": give " + one_name + " or " + each_name + ", not both (" + one_name +
                     " on line " + std::to_string(one.line) + ")");
  }
  const std::size_t gates = static_cast<std::size_t>(gate_count(file));
  if (each.values.size() != 1 && each.values.size() != gates) {
    throw InputError(place + ": " + std::to_string(each.values.size()) + " levels for " +
                     std::to_string(gates) + " gates; give one level for every gate, or one for all");
  }
}

GivenValue level_of(const GivenValue& one, const GivenLevels& each, std::size_t gate) {
  if (!each.given) return one;
  const std::size_t k = each.values.size() == 1 ? 0 : gate;
  return GivenValue{true, each.values[k], each.texts[k], each.line};
}

// The rows that name the weir, checked against each other once all are read.
void check_weir(const OperationFile& file) {
  check_levels(file, file.lower_at_level, "lower_at_level", file.lower_at_levels, "lower_at_levels");
  check_levels(file, file.backup_lower_at_level, "backup_lower_at_level",
               file.backup_lower_at_levels, "backup_lower_at_levels");
  if (file.blowers.given && blower_count(file) > gate_count(file)) {
    throw InputError(value_place(file, file.blowers.line, "blowers") + ": " + file.blowers.text +
                     " blowers for " + std::to_string(gate_count(file)) + " gates");
  }
  // Each gate's path stands in the tailwater of its own outflow; beside
  // other gates the tailwater follows their total, which the paths do not.
  if (file.tailwater_curve.given && gate_count(file) > 1) {
    throw InputError(value_place(file, file.tailwater_curve.line, "tailwater_curve") +
                     ": a weir of " + file.gates.text +
                     " gates takes no tailwater_curve: each gate's states stand in the tailwater "
                     "of its own discharge alone");
  }
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

int gate_count(const OperationFile& file) {
  return file.gates.given ? static_cast<int>(file.gates.value) : 1;
}

int blower_count(const OperationFile& file) {
  return file.blowers.given ? static_cast<int>(file.blowers.value) : gate_count(file);
}

GivenValue lower_level_of(const OperationFile& file, std::size_t gate) {
  return level_of(file.lower_at_level, file.lower_at_levels, gate);
}

GivenValue backup_level_of(const OperationFile& file, std::size_t gate) {
  return level_of(file.backup_lower_at_level, file.backup_lower_at_levels, gate);
}

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
    if (GivenLevels* levels = levels_of(file, row.index)) {
      *levels = levels_value(row, place);
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
  check_weir(file);
  return file;
}

bool read_operation_in(const std::string& dir, OperationFile& file) {
  FolderTexts folder = FolderTexts::on_disk(dir);
  folder.file(design::kOperationFileName);
  return read_operation_from(folder, file);
}

bool read_operation_from(const FolderTexts& folder, OperationFile& file) {
  const std::string path = join_path(folder.dir(), design::kOperationFileName);
  const FolderFile& found = folder.known(design::kOperationFileName);
  if (found.found == FileFound::absent) return false;
  if (found.found != FileFound::read) throw InputError("cannot read " + path);
  file = read_operation(text::decoded_text(found.bytes, path), path);
  return true;
}

}  // namespace operation
}  // namespace tqweir
