#include "output/summary.h"

#include <cmath>

#include "core/constants.h"
#include "output/format.h"

namespace tqweir {

Summary make_summary(const RunState& state, double bag_area) {
  const TrialState& t = state.trial;
  const DerivedInput& d = state.derived;
  const ParameterInput& p = state.parameter;
  Summary s;

  s.air_volume = ((t.bag_pressure + kAtmosphericPressure) / kAtmosphericPressure) * bag_area;
  s.pressure_at_temperature =
      (d.air_temperature_k / d.reference_temperature) * (t.bag_pressure + kAtmosphericPressure) -
      kAtmosphericPressure;
  s.overflow_discharge = std::pow(t.overflow_depth, 1.5) * state.syogen.discharge_coefficient;

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
              t.support_force / 1000.0,
              state.perimeter,
              t.bag_height,
              t.chord1_m,
              t.chord2_m,
              bag_area,
              s.pressure_at_temperature / 1000000.0,
              state.bisection.alpha,
              s.air_volume,
              t.bag_tension / 1000.0,
              t.tension_pull / 1000.0,
              d.bisector_angle_deg,
              t.bag_force2 / 1000.0,
              d.stopper_tension_n / 1000.0,
              state.bisection.stopper_base_angle_deg,
              s.overflow_discharge,
              state.syogen.discharge_coefficient};
  for (double v : s.fields) {
    if (!std::isfinite(v)) s.all_finite = false;
  }

  const auto& v = s.fields;
  std::string& out = s.text;
  append_format(out, "%d,", p.overflow_mode);
  append_format(out, "%6.3f,%6.3f,%6.3f,%6.3f,%6.3f,%6.3f,", v[1], v[2], v[3], v[4], v[5], v[6]);
  append_format(out, "%6.3f,%6.3f,%6.3f,%6.3f,", v[7], v[8], v[9], v[10]);
  append_format(out, "%6.3f,%6.3f,%6.3f,%6.3f,%6.3f,%6.3f,%6.3f,", v[11], v[12], v[13], v[14],
                v[15], v[16], v[17]);
  append_format(out, "%6.3f,%6.3f,%6.3f,%6.3f,%6.3f,", v[18], v[19], v[20], v[21], v[22]);
  append_format(out, "%6.3f,%6.3f,", v[23], v[24]);
  append_format(out, "%10.3f,%6.3f", v[25], v[26]);
  return s;
}

const std::array<const char*, kSummaryFieldCount>& summary_field_names() {
  static const std::array<const char*, kSummaryFieldCount> names = {
      "overflow_mode",
      "upstream_level_m",
      "hd_rel_m",
      "hd_nd",
      "layer_level_m",
      "width_factor",
      "air_temperature_c",
      "theta1_deg",
      "crest_height_m",
      "tip_moment_knm_per_m",
      "support_force_kn_per_m",
      "perimeter_m",
      "bag_height_m",
      "chord1_m",
      "chord2_m",
      "bag_area_m2",
      "pressure_at_temperature_mpa",
      "alpha",
      "air_volume_m3_per_m",
      "bag_tension_kn_per_m",
      "tension_pull_kn_per_m",
      "bisector_angle_deg",
      "bag_force2_kn_per_m",
      "stopper_tension_kn",
      "stopper_base_angle_deg",
      "overflow_discharge",
      "discharge_coefficient"};
  return names;
}

}  // namespace tqweir
