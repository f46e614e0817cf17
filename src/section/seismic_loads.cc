#include "section/seismic_loads.h"

#include <vector>

#include "section/hydrodynamic_pressure.h"

namespace tqweir {
namespace {

// A straight wetted piece of the leaf: its start, its run and rise, and the
// depths below the level at its ends.
struct WetPiece {
  double x0, y0, dx, dy;
  double d0, d1;
};

std::vector<WetPiece> wetted_pieces(const LeafProfile& leaf, double level) {
  std::vector<WetPiece> pieces;
  for (int i = 1; i <= leaf.last_node; ++i) {
    const double x0 = leaf.node_x[i - 1], y0 = leaf.node_y[i - 1];
    const double x1 = leaf.node_x[i], y1 = leaf.node_y[i];
    if (y0 < level && y1 < level) {
      pieces.push_back({x0, y0, x1 - x0, y1 - y0, level - y0, level - y1});
    } else if (y0 < level && level <= y1) {
      const double d0 = level - y0;
      const double w = ((x1 - x0) * d0) / (y1 - y0);
      pieces.push_back({x0, y0, w, level - y0, d0, 0.0});
    }
  }
  return pieces;
}

}  // namespace

SeismicLoads seismic_loads(const RunState& state, double kh) {
  SeismicLoads out;
  if (!(kh > 0.0)) return out;
  out.kh = kh;
  out.inertia = kh * state.syogen.leaf_weight;
  const double level = state.parameter.upstream_level;
  const std::vector<WetPiece> pieces = wetted_pieces(state.profile, level);
  if (pieces.empty()) return out;
  double foot_x = pieces[0].x0, foot_y = pieces[0].y0, top_x = foot_x, top_y = foot_y;
  for (const WetPiece& w : pieces) {
    for (const double t : {0.0, 1.0}) {
      const double x = w.x0 + t * w.dx, y = w.y0 + t * w.dy;
      if (y < foot_y) foot_x = x, foot_y = y;
      if (y > top_y) top_x = x, top_y = y;
    }
  }
  const double depth = level - foot_y;
  if (!(depth > 0.0)) return out;
  out.pressure = face_pressure(kh, state.syogen.water_unit_weight, level, depth, top_x - foot_x,
                               top_y - foot_y);
  // Pressure p normal to a piece pushes with p dy downstream and p dx down;
  // along the piece (parameter u) the point is (x0 + u dx, y0 + u dy).
  double area_v = 0.0, moment_v = 0.0, area_h = 0.0, moment_h = 0.0;
  for (const WetPiece& w : pieces) {
    const PieceMeans m = piece_means(out.pressure, w.d0, w.d1);
    area_v += w.dx * m.mean;
    moment_v += w.dx * (w.x0 * m.mean + w.dx * m.first);
    area_h += w.dy * m.mean;
    moment_h += w.dy * (w.y0 * m.mean + w.dy * m.first);
  }
  out.water.load_v = area_v;
  out.water.arm_x = area_v == 0.0 ? 0.0 : moment_v / area_v;
  out.water.load_h = area_h;
  out.water.arm_y = area_h == 0.0 ? 0.0 : moment_h / area_h;
  return out;
}

}  // namespace tqweir
