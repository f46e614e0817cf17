// The pond behind the weir as a level pool: one horizontal water surface
// over the whole reservoir, whose storage depends on that level alone. It
// holds while the pond is short against the flood wave (the wave's travel
// time across it is small against the hydrograph's rise), which is the
// usual case for the reach a weir backs up; a long reach would need the
// flow along it (a dynamic routing), which this model does not give.
#ifndef TQWEIR_FLOOD_POND_H_
#define TQWEIR_FLOOD_POND_H_

#include "flood/level_table.h"

namespace tqweir {
namespace flood {

// Storage against level: a surveyed curve, or a constant area (vertical
// banks), storage = area * level, counted from level 0 of the section
// frame (only changes of storage enter the balance).
class Pond {
 public:
  // REQUIRES: curve.values rising (read with Values::rising).
  static Pond from_curve(const LevelTable& curve);
  // REQUIRES: area > 0, finite (m2).
  static Pond from_area(double area);

  // m3 at `level` (m). Throws RouteStop outside a curve's levels.
  double storage(double level) const;
  // m at `storage` (m3). Throws RouteStop outside a curve's storages.
  double level(double storage) const;

 private:
  bool has_curve_ = false;
  LevelTable curve_;
  double area_ = 0.0;
};

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_POND_H_
