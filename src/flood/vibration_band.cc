#include "flood/vibration_band.h"

#include <algorithm>

namespace tqweir {
namespace flood {

std::vector<double> overflow_depths(const std::vector<GateState>& states) {
  std::vector<double> depths;
  depths.reserve(states.size());
  for (const GateState& s : states) {
    const double crest = s.values[static_cast<std::size_t>(summary_index(SummaryId::crest_height))];
    depths.push_back(std::max(0.0, s.level - crest));
  }
  return depths;
}

double time_in_band(const std::vector<double>& times, const std::vector<double>& depths,
                    double from, double to) {
  double inside = 0.0;
  for (std::size_t k = 1; k < times.size() && k < depths.size(); ++k) {
    const double d0 = depths[k - 1], d1 = depths[k], dt = times[k] - times[k - 1];
    if (d0 == d1) {
      if (d0 >= from && d0 <= to) inside += dt;
      continue;
    }
    // The shares of the interval where the line d0 + s (d1 - d0) meets
    // the band's ends, in the order the line meets them.
    const double a = (from - d0) / (d1 - d0), b = (to - d0) / (d1 - d0);
    const double enter = std::max(0.0, std::min(a, b)), leave = std::min(1.0, std::max(a, b));
    if (leave > enter) inside += (leave - enter) * dt;
  }
  return inside;
}

}  // namespace flood
}  // namespace tqweir
