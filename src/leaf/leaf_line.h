// The leaf polyline measured along its length: the coordinate s (m) from
// the hinge (node 0) that the stations, the loads and the diagrams share.
#ifndef TQWEIR_LEAF_LEAF_LINE_H_
#define TQWEIR_LEAF_LEAF_LINE_H_

#include <vector>

#include "core/run_state.h"

namespace tqweir {
namespace leaf {

// A vector or a point of the section frame (m, or N/m for a force).
struct Vec {
  double x = 0.0;
  double y = 0.0;
};

// Clockwise moment about the origin of force `f` acting at `r`: the sense
// of the calculation's balance, in which the water above the leaf, its
// weight and the stopper count positive (N m / m).
inline double clockwise_moment(const Vec& r, const Vec& f) { return r.y * f.x - r.x * f.y; }

struct LeafLine {
  std::vector<Vec> node;     // node 0 is the hinge
  std::vector<double> s;     // distance of each node along the leaf from the hinge
  double length() const { return s.back(); }
  int segments() const { return static_cast<int>(node.size()) - 1; }
  // Unit direction of segment i (from node i - 1 to node i), i >= 1.
  Vec tangent(int i) const;
};

LeafLine leaf_line(const LeafProfile& profile);

// The segment (1-based) holding distance `s`: the first for s <= its end
// (a negative s lies on the first segment's extension behind the hinge),
// the last beyond the tip.
int segment_at(const LeafLine& line, double s);

// The point at distance `s` along segment `i`'s line (s measured from the
// hinge; extends the segment beyond its ends).
Vec point_on_segment(const LeafLine& line, int i, double s);

// The point at distance `s` along the leaf: the tip for s beyond it, the
// first segment's extension behind the hinge for s < 0.
Vec point_at(const LeafLine& line, double s);

// Distance along segment i of the foot of the perpendicular from `p`.
double distance_along(const LeafLine& line, int i, const Vec& p);

// The distances at which the leaf crosses the height `level` (segments that
// reach it from below or above; a node exactly on it counts once).
std::vector<double> level_crossings(const LeafLine& line, double level);

}  // namespace leaf
}  // namespace tqweir

#endif  // TQWEIR_LEAF_LEAF_LINE_H_
