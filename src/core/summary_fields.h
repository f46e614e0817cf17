// The 27 fields of the summary TQSpec.csv: one table that says, for every
// field, its name, unit, printf format and labels in English and Japanese.
//
// The summary writer prints through it, and every tool that shows or
// tabulates results (the sweep's columns, the plot's title block, the
// report) names the fields by it instead of by position.
#ifndef TQWEIR_CORE_SUMMARY_FIELDS_H_
#define TQWEIR_CORE_SUMMARY_FIELDS_H_

#include <array>

namespace tqweir {

constexpr int kSummaryFieldCount = 27;

// The fields in file order.
enum class SummaryId : int {
  overflow_mode,
  upstream_level,
  hd_rel,
  hd_nd,
  layer_level,
  width_factor,
  air_temperature,
  theta1_deg,
  crest_height,
  tip_moment,
  support_force,
  perimeter,
  bag_height,
  chord1_m,
  chord2_m,
  bag_area,
  pressure_at_temperature,
  alpha,
  air_volume,
  bag_tension,
  tension_pull,
  bisector_angle_deg,
  bag_force2,
  stopper_tension,
  stopper_base_angle_deg,
  overflow_discharge,
  discharge_coefficient,
};

struct SummaryField {
  SummaryId id;
  const char* name;      // "bag_tension"
  const char* column;    // ASCII column name with its unit: "bag_tension_kn_per_m"
  const char* unit;      // as shown to a person: "kN/m", "" when none
  const char* format;    // printf conversion of the value in the file: "%6.3f"
  const char* label_en;
  const char* label_ja;
};

const std::array<SummaryField, kSummaryFieldCount>& summary_fields();

const SummaryField& summary_field(SummaryId id);

constexpr int summary_index(SummaryId id) { return static_cast<int>(id); }

}  // namespace tqweir

#endif  // TQWEIR_CORE_SUMMARY_FIELDS_H_
