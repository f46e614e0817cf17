#include "tools/plot/water_bodies.h"

#include <algorithm>
#include <cmath>

#include "tools/plot/key_results.h"

namespace tqweir {
namespace plot {
namespace {

// Where the leaf, walked from the hinge, first rises through `level`: the
// index of the node that ends that segment (0 when none does) and the
// crossing point.
std::size_t leaf_crossing(const std::vector<Point>& leaf, double level, Point& at) {
  for (std::size_t i = 1; i < leaf.size(); ++i) {
    const Point& a = leaf[i - 1];
    const Point& b = leaf[i];
    if (a.y < level && level <= b.y) {
      const double f = (level - a.y) / (b.y - a.y);
      at = {a.x + f * (b.x - a.x), level};
      return i;
    }
  }
  return 0;
}

// The largest x at which the closed outline crosses the level y = level;
// minus infinity when it does not reach it.
double rightmost_crossing(const std::vector<Point>& outline, double level) {
  double x = -INFINITY;
  for (std::size_t i = 0; i < outline.size(); ++i) {
    const Point& a = outline[i];
    const Point& b = outline[(i + 1) % outline.size()];
    if ((a.y - level) * (b.y - level) <= 0.0 && a.y != b.y) {
      x = std::max(x, a.x + (level - a.y) / (b.y - a.y) * (b.x - a.x));
    }
  }
  return x;
}

}  // namespace

double floor_y(const RunResults& results, double x) { return results.floor_slope * x; }

WaterBody upstream_water(const RunResults& results, double x_left) {
  WaterBody water;
  const double level = key_results(results).upstream_level;
  // The hinge is the lowest point of the leaf's face: at or below it there
  // is no water against the leaf.
  if (level <= 0.0) return water;
  const double m = results.floor_slope;
  // A floor that rises upstream (m < 0) comes out of the water at x = level / m.
  const double left = m < 0.0 ? std::max(x_left, level / m) : x_left;

  water.surface.push_back({left, level});
  Point meet;
  const std::size_t end = leaf_crossing(results.leaf, level, meet);
  std::size_t wetted = results.leaf.size();  // nodes under water, from the hinge
  if (end > 0) {
    water.surface.push_back(meet);
    wetted = end;
  } else {
    // Overflow: the whole leaf is under water and the surface is the one
    // the calculation drew over it.
    for (const SurfaceRow& row : results.surface) water.surface.push_back({row.x, row.surface});
  }
  water.area.push_back({left, floor_y(results, left)});
  water.area.insert(water.area.end(), water.surface.begin(), water.surface.end());
  for (std::size_t i = wetted; i-- > 0;) water.area.push_back(results.leaf[i]);
  return water;
}

WaterBody downstream_water(const RunResults& results, double x_right) {
  WaterBody water;
  const double level = key_results(results).downstream_level;
  const double m = results.floor_slope;
  // A floor that rises downstream (m > 0) comes out of the water at x = level / m.
  const double right = m > 0.0 ? std::min(x_right, level / m) : x_right;
  if (level > 0.0) {
    // The water stands against the underside of the leaf.
    Point meet{results.leaf.back().x, level};
    const std::size_t end = leaf_crossing(results.leaf, level, meet);
    const std::size_t wetted = end > 0 ? end : results.leaf.size();
    water.area.assign(results.leaf.begin(), results.leaf.begin() + wetted);
    water.area.push_back(meet);
    // Where the bag stands above the water line it hides the water behind
    // it: the surface shows from the bag's downstream face on.
    const double face = rightmost_crossing(results.bag, level);
    water.surface = {{std::max(meet.x, face), level}, {right, level}};
    water.area.push_back({right, level});
  } else {
    // The water line lies below the hinge: the water meets the falling
    // floor downstream of it, if the floor falls at all.
    if (m >= 0.0) return water;
    const double start = level / m;
    if (start >= right) return water;
    water.surface = {{start, level}, {right, level}};
    water.area = water.surface;
  }
  water.area.push_back({right, floor_y(results, right)});
  return water;
}

}  // namespace plot
}  // namespace tqweir
