#include "input/profile_reader.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "core/stop.h"
#include "input/scan.h"

namespace tqweir {
namespace {

// The next point of the profile, with the checks of each row in the
// reader's order: finite coordinates, a segment of some length, room for it.
void add_point(const ProfilePoint& p, std::vector<ProfilePoint>& points) {
  const double xy[2] = {p.x, p.y};
  if (!all_finite(xy, 2)) throw StopRun(Message::hitai_bad_coordinate);
  if (!points.empty() && p.x == points.back().x && p.y == points.back().y) {
    throw StopRun(Message::hitai_zero_segment);
  }
  if (static_cast<int>(points.size()) == kMaxNodes) throw StopRun(Message::hitai_point_count);
  points.push_back(p);
}

}  // namespace

std::vector<ProfilePoint> read_profile_points(const std::string& content) {
  const std::string text = prepare_for_scan(content);
  std::vector<ProfilePoint> points;
  std::size_t pos = 0;
  for (;;) {
    double xy[2];
    int used = 0;
    const int converted =
        std::sscanf(text.c_str() + pos, "%lf,%lf%n", &xy[0], &xy[1], &used);
    if (converted == EOF) break;  // only white space was left
    if (converted != 2) throw StopRun(Message::hitai_bad_coordinate);
    pos += static_cast<std::size_t>(used);
    if (pos < text.size() && text[pos] == ',') ++pos;
    add_point({xy[0], xy[1]}, points);
  }
  if (points.size() < 2) throw StopRun(Message::hitai_point_count);
  return points;
}

void check_profile_points(const std::vector<ProfilePoint>& points) {
  std::vector<ProfilePoint> checked;
  checked.reserve(points.size());
  for (const ProfilePoint& p : points) add_point(p, checked);
  if (checked.size() < 2) throw StopRun(Message::hitai_point_count);
}

LeafProfile lay_out_profile(const std::vector<ProfilePoint>& points,
                            double theta1) {
  LeafProfile leaf;
  double prev_x = 0.0;
  double prev_y = 0.0;
  double prev_raw_angle = 0.0;
  int i = 0;
  for (const ProfilePoint& p : points) {
    if (i == 0) {
      leaf.node_x[0] = p.x;
      leaf.node_y[0] = p.y;
      leaf.crest_height = leaf.node_y[0];
    } else {
      const double dx = p.x - prev_x;
      const double dy = p.y - prev_y;
      leaf.seg_length[i] = std::sqrt(dy * dy + dx * dx);
      // Principal value: a vertical segment gives +-pi/2 through dy/dx = +-inf.
      const double raw_angle = std::atan(dy / dx);
      if (i == 1) {
        leaf.seg_angle[1] = theta1;
      } else {
        leaf.seg_angle[i] = (leaf.seg_angle[i - 1] - prev_raw_angle) + raw_angle;
      }
      leaf.node_x[i] = std::cos(leaf.seg_angle[i]) * leaf.seg_length[i] + leaf.node_x[i - 1];
      leaf.node_y[i] = std::sin(leaf.seg_angle[i]) * leaf.seg_length[i] + leaf.node_y[i - 1];
      prev_raw_angle = raw_angle;
    }
    prev_x = p.x;
    prev_y = p.y;
    if (!(leaf.crest_height > leaf.node_y[i])) {
      leaf.crest_height = leaf.node_y[i];
      leaf.crest_x = leaf.node_x[i];
    }
    leaf.tip_x = leaf.node_x[i];
    ++i;
  }
  leaf.node_count = i;
  leaf.last_node = leaf.node_count - 1;
  return leaf;
}

}  // namespace tqweir
