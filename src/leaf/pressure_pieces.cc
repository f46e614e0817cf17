#include "leaf/pressure_pieces.h"

#include <cmath>
#include <limits>

namespace tqweir {
namespace leaf {
namespace {

// The segment nearest to the middle of a surface piece.
int nearest_segment(const LeafLine& line, const Vec& m) {
  int best = 1;
  double best_distance = std::numeric_limits<double>::infinity();
  for (int i = 1; i <= line.segments(); ++i) {
    const double s = distance_along(line, i, m);
    const double along = std::fmax(line.s[i - 1], std::fmin(line.s[i], s));
    const Vec p = point_on_segment(line, i, along);
    const double d = std::hypot(p.x - m.x, p.y - m.y);
    if (d < best_distance) {
      best_distance = d;
      best = i;
    }
  }
  return best;
}

}  // namespace

std::vector<PressurePiece> still_water_pieces(const LeafLine& line, double level, bool has_limit,
                                              double limit) {
  std::vector<PressurePiece> pieces;
  for (int i = 1; i <= line.segments(); ++i) {
    const Vec& a = line.node[i - 1];
    const Vec& b = line.node[i];
    if (has_limit && limit > b.y) continue;
    if (a.y < level && b.y < level) {
      pieces.push_back({i, a, b, level - a.y, level - b.y});
    } else if (a.y < level && level <= b.y) {
      const double d0 = level - a.y;
      const double w = ((b.x - a.x) * d0) / (b.y - a.y);
      pieces.push_back({i, a, {a.x + w, level}, d0, 0.0});
    }
  }
  return pieces;
}

std::vector<PressurePiece> surface_pieces(const LeafLine& line, const WaterSurface& surface,
                                          double upstream_level, double crest_height) {
  if (upstream_level < crest_height) return still_water_pieces(line, upstream_level);
  std::vector<PressurePiece> pieces;
  const std::vector<SurfacePoint>& p = surface.points;
  for (std::size_t k = 1; k < p.size(); ++k) {
    const Vec a{p[k - 1].x, p[k - 1].y};
    const Vec b{p[k].x, p[k].y};
    if (a.x == b.x && a.y == b.y) continue;
    pieces.push_back({nearest_segment(line, {(a.x + b.x) / 2, (a.y + b.y) / 2}), a, b, p[k - 1].d, p[k].d});
  }
  return pieces;
}

}  // namespace leaf
}  // namespace tqweir
