// Air leaving the bag through its exhaust valve: an isentropic nozzle from
// the bag's absolute pressure to the atmosphere, with a discharge
// coefficient, counted as free air (volume at atmospheric pressure and the
// bag's own temperature), as the summary counts the air in the bag.
#ifndef TQWEIR_OPERATION_ORIFICE_FLOW_H_
#define TQWEIR_OPERATION_ORIFICE_FLOW_H_

namespace tqweir {
namespace operation {

// Air as a perfect gas: ratio of specific heats (-) and specific gas
// constant (J/(kg K)) of dry air.
constexpr double kAirGamma = 1.4;
constexpr double kAirGasConstant = 287.05;

// The ratio p_atm / p_abs below which the nozzle is choked:
// (2 / (gamma + 1))^(gamma / (gamma - 1)), 0.528 for air.
double critical_pressure_ratio();

// True when the flow out of a bag at `p_abs` (Pa, absolute) is choked.
bool is_choked(double p_abs);

// Free-air flow (m^3/s at atmospheric pressure and `temperature_k`) through
// an exhaust of effective area Cd * A = 1 m^2 from a bag at `p_abs` (Pa,
// absolute) and `temperature_k` (K) to the atmosphere. The flow of a valve
// is this times its Cd * A: the path's time then scales with 1 / (Cd A).
// 0 when p_abs is not above atmospheric pressure (no air leaves).
// REQUIRES: temperature_k > 0.
double exhaust_flow_per_area(double p_abs, double temperature_k);

}  // namespace operation
}  // namespace tqweir

#endif  // TQWEIR_OPERATION_ORIFICE_FLOW_H_
