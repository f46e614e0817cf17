#include "tools/plot/key_results.h"

#include "core/constants.h"

namespace tqweir {
namespace plot {
namespace {

// A field by its number in the file (1-based, as the file's description
// counts them).
double field(const RunResults& r, int number) { return r.summary[number - 1]; }

}  // namespace

KeyResults key_results(const RunResults& r) {
  KeyResults k;
  k.upstream_level = field(r, 2);
  k.downstream_level = field(r, 3);
  k.layer_level = field(r, 5);
  k.crest_height = field(r, 9);
  k.bag_height = field(r, 13);
  k.alpha = field(r, 18);
  k.bag_tension_kn = field(r, 20);
  k.stopper_angle_deg = field(r, 25);
  // Pa / 1000 = kPa: the density's 1000 and the 1/1000 cancel.
  k.bag_pressure_kpa = k.alpha * kGravity * k.bag_height * kWaterDensity / 1000.0;
  const double over = k.upstream_level - k.crest_height;
  k.overflow_depth = over >= 0.0 ? over : 0.0;
  return k;
}

}  // namespace plot
}  // namespace tqweir
