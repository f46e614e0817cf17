// A blower's delivery curve as its data sheet gives it: free-air delivery
// (m^3/min at atmospheric pressure) against the gauge pressure it delivers
// against (kPa), for the whole gate.
#ifndef TQWEIR_OPERATION_BLOWER_CURVE_H_
#define TQWEIR_OPERATION_BLOWER_CURVE_H_

#include <string>
#include <vector>

namespace tqweir {
namespace operation {

struct BlowerPoint {
  double gauge_kpa = 0.0;
  double delivery_m3_per_min = 0.0;
};

// Points in rising pressure.
using BlowerCurve = std::vector<BlowerPoint>;

// Reads "kPa:m3/min kPa:m3/min ..." (pairs separated by blanks). Each
// number as text::read_number reads it and >= 0; each pressure above the
// one before; the first delivery above 0. False with `why` saying what is
// wrong and `column` the 1-based byte in `text` of the pair (of the number
// when it is no number).
bool parse_blower_curve(const std::string& text, BlowerCurve& curve, std::string& why,
                        std::size_t& column);

// The delivery (m^3/min, free air) at `gauge_kpa`: linear between the
// points, the first point's below the curve (a blower delivers at least
// that much against a lower pressure), 0 from limit_kpa() on.
// REQUIRES: a curve that parse_blower_curve accepts.
double blower_delivery(const BlowerCurve& curve, double gauge_kpa);

// The lowest pressure (kPa) from which the curve delivers nothing: its
// first point of zero delivery, or its last point when it ends delivering.
double limit_kpa(const BlowerCurve& curve);

// True when the curve's delivery ends at limit_kpa() on a point of zero
// delivery (a shut-off pressure), false when the curve simply ends there.
bool shuts_off(const BlowerCurve& curve);

}  // namespace operation
}  // namespace tqweir

#endif  // TQWEIR_OPERATION_BLOWER_CURVE_H_
