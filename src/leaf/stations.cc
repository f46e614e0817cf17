#include "leaf/stations.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace tqweir {
namespace leaf {
namespace {

bool has_point_load(const AppliedLoads& loads, double s) {
  return std::any_of(loads.points.begin(), loads.points.end(),
                     [s](const PointLoad& p) { return p.s == s; });
}

// The segments meeting at distance s, the tip's side first.
std::vector<int> segments_at(const LeafLine& line, double s) {
  for (int i = 1; i < line.segments(); ++i) {
    if (s == line.s[i]) return {i + 1, i};
  }
  return {segment_at(line, s)};
}

}  // namespace

std::vector<Station> make_stations(const LeafLine& line, const std::vector<double>& marks,
                                   const AppliedLoads& loads) {
  std::vector<double> keys(line.s.begin(), line.s.end());
  double lowest = 0.0;
  for (double m : marks) {
    if (std::isfinite(m) && m <= line.length()) keys.push_back(m);
  }
  for (const PointLoad& p : loads.points) keys.push_back(p.s);
  for (double k : keys) lowest = std::fmin(lowest, k);
  keys.erase(std::remove_if(keys.begin(), keys.end(),
                            [&](double k) { return !(k >= lowest && k <= line.length()); }),
             keys.end());
  std::sort(keys.begin(), keys.end(), std::greater<double>());
  keys.erase(std::unique(keys.begin(), keys.end()), keys.end());

  // The key distances with evenly spaced ones between them.
  std::vector<double> at;
  for (std::size_t k = 0; k < keys.size(); ++k) {
    at.push_back(keys[k]);
    if (k + 1 == keys.size()) break;
    const double gap = keys[k] - keys[k + 1];
    const int parts = static_cast<int>(std::ceil(gap / kStationSpacing));
    for (int j = 1; j < parts; ++j) at.push_back(keys[k] - gap * j / parts);
  }

  std::vector<Station> out;
  for (double s : at) {
    const std::vector<int> segs = segments_at(line, s);
    const auto add = [&](int segment, bool past) {
      Station st;
      st.s = s;
      st.segment = segment;
      st.at = point_on_segment(line, segment, s);
      st.past_point_loads = past;
      out.push_back(st);
    };
    const bool point = has_point_load(loads, s);
    add(segs[0], false);
    if (point) add(segs[0], true);
    if (segs.size() > 1) add(segs[1], point);
  }
  return out;
}

}  // namespace leaf
}  // namespace tqweir
