// Constants shared by the whole calculation.
#ifndef TQWEIR_CORE_CONSTANTS_H_
#define TQWEIR_CORE_CONSTANTS_H_

namespace tqweir {

// pi is 3.141592654 here, not M_PI: every angle conversion and angle formula
// of the design method is defined with this ten-digit value, and the printed
// results depend on it.
constexpr double kPi = 3.141592654;

// Gravity (m/s^2) and water density (kg/m^3) that turn the dimensionless bag
// pressure and tension into pascals and newtons.
constexpr double kGravity = 9.8;
constexpr double kWaterDensity = 1000.0;

// Standard atmosphere (Pa) and the reference air temperature (K) at which
// the bag pressure is given.
constexpr double kAtmosphericPressure = 101325.0;
constexpr double kReferenceTemperature = 288.0;
constexpr double kCelsiusToKelvin = 273.0;

// The leaf profile holds at most this many points.
constexpr int kMaxNodes = 30;

}  // namespace tqweir

#endif  // TQWEIR_CORE_CONSTANTS_H_
