#include "tools/plot/polyline_measures.h"

#include <cmath>

namespace tqweir {
namespace plot {

double polyline_length(const std::vector<Point>& line) {
  double total = 0.0;
  for (std::size_t i = 1; i < line.size(); ++i) {
    total += std::hypot(line[i].x - line[i - 1].x, line[i].y - line[i - 1].y);
  }
  return total;
}

void point_along(const std::vector<Point>& line, double s, Point& at, Point& direction) {
  s = std::fmax(s, 0.0);
  for (std::size_t i = 1; i < line.size(); ++i) {
    const double dx = line[i].x - line[i - 1].x, dy = line[i].y - line[i - 1].y;
    const double length = std::hypot(dx, dy);
    if (length <= 0.0) continue;
    direction = {dx / length, dy / length};
    const double t = std::fmin(s, length);
    at = {line[i - 1].x + direction.x * t, line[i - 1].y + direction.y * t};
    if (s <= length) return;
    s -= length;
  }
}

double arc_length_at(const std::vector<Point>& line, const Point& p) {
  double best = 0.0, best_distance = INFINITY, walked = 0.0;
  for (std::size_t i = 1; i < line.size(); ++i) {
    const double dx = line[i].x - line[i - 1].x, dy = line[i].y - line[i - 1].y;
    const double length2 = dx * dx + dy * dy;
    // The foot of the perpendicular, kept on the segment.
    double f = length2 > 0.0
                   ? ((p.x - line[i - 1].x) * dx + (p.y - line[i - 1].y) * dy) / length2
                   : 0.0;
    f = std::fmin(1.0, std::fmax(0.0, f));
    const double d = std::hypot(line[i - 1].x + f * dx - p.x, line[i - 1].y + f * dy - p.y);
    if (d < best_distance) {
      best_distance = d;
      best = walked + f * std::sqrt(length2);
    }
    walked += std::sqrt(length2);
  }
  return best;
}

Point centroid(const std::vector<Point>& outline) {
  double twice_area = 0.0, cx = 0.0, cy = 0.0, mx = 0.0, my = 0.0;
  for (std::size_t i = 0; i < outline.size(); ++i) {
    const Point& p = outline[i];
    const Point& q = outline[(i + 1) % outline.size()];
    const double cross = p.x * q.y - q.x * p.y;
    twice_area += cross;
    cx += (p.x + q.x) * cross;
    cy += (p.y + q.y) * cross;
    mx += p.x;
    my += p.y;
  }
  const double n = static_cast<double>(outline.size());
  // Relative to the outline's size, so a tiny bag still counts as an area.
  double size2 = 0.0;
  for (const Point& p : outline) size2 = std::fmax(size2, (p.x - mx / n) * (p.x - mx / n) + (p.y - my / n) * (p.y - my / n));
  if (std::fabs(twice_area) <= 1e-12 * size2) return {mx / n, my / n};
  return {cx / (3.0 * twice_area), cy / (3.0 * twice_area)};
}

}  // namespace plot
}  // namespace tqweir
