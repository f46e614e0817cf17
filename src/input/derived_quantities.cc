#include "input/derived_quantities.h"

#include "core/constants.h"
#include "core/stop.h"

namespace tqweir {

DerivedInput derive_quantities(const SyogenInput& syogen,
                               const ParameterInput& parameter) {
  DerivedInput d;
  d.theta1 = parameter.theta1_deg * kPi / 180.0;
  d.theta2 = syogen.theta2_deg * kPi / 180.0;
  d.bisector_angle_deg = (parameter.theta1_deg - syogen.theta2_deg) / 2.0;

  // "Unless >=" and "unless >": a not-a-number field would also be replaced.
  d.hd_nd = parameter.hd_nd >= 1e-05 ? parameter.hd_nd : 1e-05;
  d.theta1_deg = parameter.theta1_deg > 1.0 ? parameter.theta1_deg : 1.0;
  d.tip_moment_nm = parameter.tip_moment * 1000.0;
  d.stopper_tension_n = parameter.stopper_tension * 1000.0;
  d.stopper_force = d.stopper_tension_n * syogen.stopper_multiplier / syogen.span;
  d.reference_temperature = kReferenceTemperature;
  d.air_temperature_k = kCelsiusToKelvin + parameter.air_temperature;
  return d;
}

void check_span_and_perimeter(const SyogenInput& syogen,
                              const ParameterInput& parameter) {
  if (syogen.span <= 0) throw StopRun(Message::span_invalid);
  if (parameter.perimeter <= 0) throw StopRun(Message::perimeter_invalid);
}

void check_overflow_mode(const ParameterInput& parameter,
                         const LeafProfile& profile) {
  const int mode = parameter.overflow_mode;
  if (parameter.upstream_level >= profile.crest_height && mode != 1 &&
      mode != 2 && mode != 3) {
    throw StopRun(Message::overflow_mode_invalid);
  }
}

}  // namespace tqweir
