#include "leaf/leaf_line.h"

#include <cmath>

namespace tqweir {
namespace leaf {

Vec LeafLine::tangent(int i) const {
  const double ds = s[i] - s[i - 1];
  return {(node[i].x - node[i - 1].x) / ds, (node[i].y - node[i - 1].y) / ds};
}

LeafLine leaf_line(const LeafProfile& profile) {
  LeafLine line;
  for (int i = 0; i <= profile.last_node; ++i) {
    line.node.push_back({profile.node_x[i], profile.node_y[i]});
    // The lengths the method walks along (its stopper's attachment, the
    // weight's arm), so a distance means the same point here and there.
    line.s.push_back(i == 0 ? 0.0 : line.s.back() + profile.seg_length[i]);
  }
  return line;
}

int segment_at(const LeafLine& line, double s) {
  for (int i = 1; i < line.segments(); ++i) {
    if (s <= line.s[i]) return i;
  }
  return line.segments();
}

Vec point_on_segment(const LeafLine& line, int i, double s) {
  const Vec t = line.tangent(i);
  const double along = s - line.s[i - 1];
  return {line.node[i - 1].x + t.x * along, line.node[i - 1].y + t.y * along};
}

Vec point_at(const LeafLine& line, double s) {
  if (s >= line.length()) return line.node.back();
  return point_on_segment(line, segment_at(line, s), s);
}

double distance_along(const LeafLine& line, int i, const Vec& p) {
  const Vec t = line.tangent(i);
  const Vec& a = line.node[i - 1];
  return line.s[i - 1] + (p.x - a.x) * t.x + (p.y - a.y) * t.y;
}

std::vector<double> level_crossings(const LeafLine& line, double level) {
  std::vector<double> out;
  for (int i = 1; i <= line.segments(); ++i) {
    const double y0 = line.node[i - 1].y;
    const double y1 = line.node[i].y;
    if ((y0 < level && level <= y1) || (y0 > level && level >= y1 && y1 != level)) {
      const double t = (level - y0) / (y1 - y0);
      out.push_back(line.s[i - 1] + t * (line.s[i] - line.s[i - 1]));
    }
  }
  return out;
}

}  // namespace leaf
}  // namespace tqweir
