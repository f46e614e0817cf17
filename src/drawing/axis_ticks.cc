#include "drawing/axis_ticks.h"

#include <cmath>

#include "output/format.h"

namespace tqweir {
namespace drawing {
namespace {

// A drawn axis holds a handful of ticks; more than this, or an index that
// a long does not hold exactly, comes only from a range far from its step.
constexpr double kMaxTicks = 1000.0;
constexpr double kMaxTickIndex = 1e15;

}  // namespace

double tick_step(double length, int max_intervals) {
  if (!(length > 0.0) || !std::isfinite(length) || max_intervals < 1) return 0.0;
  // power <= length / max_intervals < 10 power, so 1, 2 or 5 times power, or
  // 10 times it, fits; one decade more covers the rounding of log10. A
  // power that underflows to 0 (a subnormal length) or a step that
  // overflows has no answer.
  double power = std::pow(10.0, std::floor(std::log10(length / max_intervals)));
  for (int decade = 0; decade < 3 && power > 0.0; ++decade, power *= 10.0) {
    for (double factor : {1.0, 2.0, 5.0}) {
      const double step = factor * power;
      if (length / step <= max_intervals + 1e-9) return std::isfinite(step) ? step : 0.0;
    }
  }
  return 0.0;
}

std::vector<double> tick_values(double lo, double hi, double step) {
  std::vector<double> values;
  const double first = std::ceil(lo / step - 1e-9);
  const double last = std::floor(hi / step + 1e-9);
  if (!(step > 0.0) || !(last - first < kMaxTicks) || !(std::fabs(first) < kMaxTickIndex) ||
      !(std::fabs(last) < kMaxTickIndex)) {
    return values;
  }
  for (long i = static_cast<long>(first); i <= static_cast<long>(last); ++i) {
    values.push_back(static_cast<double>(i) * step);
  }
  return values;
}

int tick_decimals(double step) {
  return step >= 1.0 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
}

std::string tick_label(double value, double step) {
  std::string out;
  append_format(out, "%.*f", tick_decimals(step), value);
  return out.find_first_not_of("-0.") == std::string::npos ? "0" : out;
}

}  // namespace drawing
}  // namespace tqweir
