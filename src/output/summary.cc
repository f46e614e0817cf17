#include "output/summary.h"

#include <cmath>

#include "core/constants.h"
#include "output/format.h"

namespace tqweir {

Summary make_summary(const RunState& state, double bag_area) {
  const BagSection& t = state.trial.bag;
  const Balance& balance = state.trial.balance;
  const DerivedInput& d = state.derived;
  const ParameterInput& p = state.parameter;
  Summary s;

  s.air_volume = ((t.bag_pressure + kAtmosphericPressure) / kAtmosphericPressure) * bag_area;
  s.pressure_at_temperature =
      (d.air_temperature_k / d.reference_temperature) * (t.bag_pressure + kAtmosphericPressure) -
      kAtmosphericPressure;
  s.overflow_discharge = std::pow(state.trial.upstream.overflow_depth, 1.5) * state.syogen.discharge_coefficient;

  s.fields = {static_cast<double>(p.overflow_mode),
              p.upstream_level,
              t.hd_rel,
              d.hd_nd,
              p.layer_level,
              t.width_factor,
              p.air_temperature,
              d.theta1_deg,
              state.profile.crest_height,
              d.tip_moment_nm / 1000.0,
              balance.support_force / 1000.0,
              state.perimeter,
              t.bag_height,
              t.chord1_m,
              t.chord2_m,
              bag_area,
              s.pressure_at_temperature / 1000000.0,
              state.trial.alpha,
              s.air_volume,
              t.bag_tension / 1000.0,
              balance.tension_pull / 1000.0,
              d.bisector_angle_deg,
              t.bag_force2 / 1000.0,
              d.stopper_tension_n / 1000.0,
              state.bisection.stopper_base_angle_deg,
              s.overflow_discharge,
              state.syogen.discharge_coefficient};
  for (double v : s.fields) {
    if (!std::isfinite(v)) s.all_finite = false;
  }

  // Each field with its own conversion, a comma between fields and none
  // after the last: the same bytes as the file's seven grouped writes.
  for (const SummaryField& field : summary_fields()) {
    const int i = summary_index(field.id);
    if (i > 0) s.text += ',';
    if (field.id == SummaryId::overflow_mode) {
      append_format(s.text, field.format, p.overflow_mode);
    } else {
      append_format(s.text, field.format, s.fields[static_cast<std::size_t>(i)]);
    }
  }
  return s;
}

}  // namespace tqweir
