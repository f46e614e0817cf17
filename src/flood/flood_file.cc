#include "flood/flood_file.h"

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

}  // namespace

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
