// The ticks of a drawn axis: a step of 1, 2 or 5 times a power of ten, the
// multiples of it in a range, and as many decimals as the step needs.
#ifndef TQWEIR_DRAWING_AXIS_TICKS_H_
#define TQWEIR_DRAWING_AXIS_TICKS_H_

#include <string>
#include <vector>

namespace tqweir {
namespace drawing {

// The tick spacing: 1, 2 or 5 times a power of ten, the smallest that
// divides `length` into at most `max_intervals` intervals. 0 when there is
// none: a length that is not finite and above 0, max_intervals below 1, or
// a step beyond the range of a double (a subnormal length, one near the
// largest double).
double tick_step(double length, int max_intervals);

// The multiples of `step` within [lo, hi] (a little tolerance at both
// ends), each formed from its index so that no rounding accumulates.
// Empty rather than endless for a range that has more than 1000 of them
// or an index beyond what a long holds exactly, and for a step that is not
// above 0.
std::vector<double> tick_values(double lo, double hi, double step);

// The decimals a tick label needs for a step of tick_step: 0 from 1 up,
// 1 for 0.1 to 0.5, 2 for 0.01 to 0.05, ...
int tick_decimals(double step);

// A tick label: `value` with the decimals of `step`, and "0" for a zero of
// any sign ("0.5", "2", "0", never "-0.0").
std::string tick_label(double value, double step);

}  // namespace drawing
}  // namespace tqweir

#endif  // TQWEIR_DRAWING_AXIS_TICKS_H_
