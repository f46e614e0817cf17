// The one-line summary TQSpec.csv: 27 design quantities.
#ifndef TQWEIR_OUTPUT_SUMMARY_H_
#define TQWEIR_OUTPUT_SUMMARY_H_

#include <array>
#include <string>

#include "core/run_state.h"
#include "core/summary_fields.h"

namespace tqweir {

struct Summary {
  // Field values in file order, in the printed units (kN, MPa, degrees);
  // field 1 is the integer overflow_mode.
  std::array<double, kSummaryFieldCount> fields{};
  double air_volume = 0.0;               // m^3 per m, at atmospheric pressure
  double pressure_at_temperature = 0.0;  // Pa, gauge
  double overflow_discharge = 0.0;
  double value(SummaryId id) const { return fields[static_cast<std::size_t>(summary_index(id))]; }
  std::string text;  // the file's content: one line, no line end
  bool all_finite = true;
};

// Derives the air volume, the pressure at the air temperature and the
// overflow discharge, and formats the line ("%d," then "%6.3lf" fields, the
// discharge "%10.3lf"). `bag_area` comes from the coordinate files.
Summary make_summary(const RunState& state, double bag_area);

}  // namespace tqweir

#endif  // TQWEIR_OUTPUT_SUMMARY_H_
