#include "operation/orifice_flow.h"

#include <cmath>

#include "core/constants.h"

namespace tqweir {
namespace operation {

double critical_pressure_ratio() {
  return std::pow(2.0 / (kAirGamma + 1.0), kAirGamma / (kAirGamma - 1.0));
}

bool is_choked(double p_abs) { return kAtmosphericPressure / p_abs < critical_pressure_ratio(); }

double exhaust_flow_per_area(double p_abs, double temperature_k) {
  if (!(p_abs > kAtmosphericPressure)) return 0.0;
  const double g = kAirGamma;
  const double rt = kAirGasConstant * temperature_k;
  // Mass flow per unit effective area, divided by the stagnation density
  // p_abs / (R T): the nozzle's throat velocity times its density ratio.
  double per_density = 0.0;
  if (is_choked(p_abs)) {
    // Sonic throat: the mass flow no longer depends on the outside pressure.
    per_density = std::sqrt(g * rt) * std::pow(2.0 / (g + 1.0), (g + 1.0) / (2.0 * (g - 1.0)));
  } else {
    const double r = kAtmosphericPressure / p_abs;
    per_density = std::sqrt(2.0 * g / (g - 1.0) * rt * (std::pow(r, 2.0 / g) - std::pow(r, (g + 1.0) / g)));
  }
  // Isothermal counting: mass / (p_atm / (R T)) is the volume at
  // atmospheric pressure, so the density ratio is p_abs / p_atm.
  return per_density * (p_abs / kAtmosphericPressure);
}

}  // namespace operation
}  // namespace tqweir
