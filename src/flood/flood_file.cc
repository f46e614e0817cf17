#include "flood/flood_file.h"

#include "flood/number_cell.h"
#include "text/csv_cells.h"
#include "text/input_error.h"

namespace tqweir {
namespace flood {
namespace {

using operation::GivenPairs;
using operation::OperationFile;
using text::InputError;

LevelTable pairs_table(const OperationFile& file, const GivenPairs& pairs, const char* name,
                       Values values) {
  return read_level_pairs(pairs.text, operation::value_place(file, pairs.line, name), name,
                          values);
}

// A rule's level given without what it works: refused where it stands.
void needs(const OperationFile& file, const operation::GivenValue& level, const char* name,
           bool present, const char* what) {
  if (level.given && !present) {
    throw InputError(operation::value_place(file, level.line, name) + ": needs " + what);
  }
}

// raise_at_level below a level that lowers the leaf: at or above it the
// blower would raise the leaf while the flood stands where the rule lowers
// it, and the rule would hunt between the two.
void raise_below(const OperationFile& file, const operation::GivenValue& lowering,
                 const char* name) {
  const operation::GivenValue& raise = file.raise_at_level;
  if (raise.given && lowering.given && !(raise.value < lowering.value)) {
    throw InputError(operation::value_place(file, raise.line, "raise_at_level") + ": " +
                     raise.text + " is not below " + name + " " + lowering.text);
  }
}

double positive(const std::string& cell, const std::string& place) {
  const double v = number_cell(cell, place, false);
  if (!(v > 0.0)) throw InputError(place + ": " + text::shown_cell(cell) + " is not above 0");
  return v;
}

FixedCrest fixed_crest_of(const OperationFile& file) {
  const std::string place = operation::value_place(file, file.fixed_crest.line, "fixed_crest");
  const std::vector<std::string> w = cell_items(file.fixed_crest.text);
  if (w.size() != 3) {
    throw InputError(place + ": fixed_crest is LENGTH LEVEL C (m, m, m^0.5/s), got " +
                     std::to_string(w.size()) + " numbers");
  }
  FixedCrest c;
  c.length = positive(w[0], place + " (length)");
  c.level = number_cell(w[1], place + " (level)", false);
  c.coefficient = positive(w[2], place + " (C)");
  return c;
}

LevelTable coefficient_curve_of(const OperationFile& file) {
  const char* name = "discharge_coefficient_curve";
  const std::string place =
      operation::value_place(file, file.discharge_coefficient_curve.line, name);
  LevelTable curve = read_level_pairs(file.discharge_coefficient_curve.text, place, name,
                                      Values::any);
  for (std::size_t i = 0; i < curve.values.size(); ++i) {
    if (!(curve.values[i] > 0.0)) {
      throw InputError(place + ", " + name + " pair " + std::to_string(i + 1) +
                       ": the coefficient " + shown_number(curve.values[i]) + " is not above 0");
    }
  }
  return curve;
}

void take_band(const OperationFile& file, WeirRows& weir) {
  const std::string place = operation::value_place(file, file.vibration_band.line, "vibration_band");
  const std::string& cell = file.vibration_band.text;
  const std::size_t colon = cell.find(':');
  if (colon == std::string::npos) {
    throw InputError(place + ": " + text::shown_cell(cell) + " is not FROM:TO (m of overflow depth)");
  }
  weir.band_from = positive(cell.substr(0, colon), place + " (from)");
  weir.band_to = number_cell(cell.substr(colon + 1), place + " (to)", false);
  if (!(weir.band_to > weir.band_from)) {
    throw InputError(place + ": the band's end " + shown_number(weir.band_to) +
                     " m is not above its start " + shown_number(weir.band_from) + " m");
  }
  weir.has_vibration_band = true;
}

}  // namespace

WeirRows read_weir_rows(const OperationFile& file) {
  WeirRows weir;
  if (file.fixed_crest.given) weir.crests.push_back(fixed_crest_of(file));
  if (file.discharge_coefficient_curve.given) {
    weir.coefficient_curve = std::make_shared<const LevelTable>(coefficient_curve_of(file));
  }
  if (file.vibration_band.given) take_band(file, weir);
  return weir;
}

FloodFile read_flood_rows(const OperationFile& file) {
  FloodFile flood;
  if (file.storage_curve.given) {
    flood.pond = Pond::from_curve(pairs_table(file, file.storage_curve, "storage_curve",
                                              Values::rising));
  } else if (file.pond_area.given) {
    flood.pond = Pond::from_area(file.pond_area.value);
  } else {
    throw InputError(file.source + ": a flood needs storage_curve (m:m3) or pond_area (m2)");
  }
  TailwaterCurve outlets;
  flood.has_tailwater = read_tailwater_rows(file, outlets);
  flood.tailwater = outlets.curve;
  flood.has_other_outflow = outlets.has_other_outflow;
  flood.other_outflow = outlets.other_outflow;
  const char* lower = file.lower_at_levels.given ? "lower_at_levels" : "lower_at_level";
  const char* backup =
      file.backup_lower_at_levels.given ? "backup_lower_at_levels" : "backup_lower_at_level";
  const bool valve = file.valve_area.given && file.valve_coefficient.given && file.lowered_angle.given;
  needs(file, operation::lower_level_of(file, 0), lower, valve,
        "valve_area, valve_coefficient and lowered_angle");
  needs(file, operation::backup_level_of(file, 0), backup, valve,
        "valve_area, valve_coefficient and lowered_angle");
  needs(file, file.raise_at_level, "raise_at_level",
        file.has_blower && (operation::lower_level_of(file, 0).given ||
                            operation::backup_level_of(file, 0).given),
        "blower_curve and lower_at_level (or backup_lower_at_level)");
  for (int gate = 0; gate < operation::gate_count(file); ++gate) {
    raise_below(file, operation::lower_level_of(file, gate), lower);
    raise_below(file, operation::backup_level_of(file, gate), backup);
  }
  flood.weir = read_weir_rows(file);
  return flood;
}

bool read_tailwater_rows(const OperationFile& file, TailwaterCurve& tailwater) {
  if (file.other_outflow.given) {
    tailwater.other_outflow = pairs_table(file, file.other_outflow, "other_outflow", Values::any);
    tailwater.has_other_outflow = true;
  }
  if (!file.tailwater_curve.given) return false;
  tailwater.curve = pairs_table(file, file.tailwater_curve, "tailwater_curve", Values::either_sign);
  return true;
}

}  // namespace flood
}  // namespace tqweir
