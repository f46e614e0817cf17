// The design results a drawing of the section states, taken from the
// summary TQSpec.csv.
#ifndef TQWEIR_TOOLS_PLOT_KEY_RESULTS_H_
#define TQWEIR_TOOLS_PLOT_KEY_RESULTS_H_

#include "tools/plot/run_results.h"

namespace tqweir {
namespace plot {

struct KeyResults {
  double alpha = 0.0;               // bag pressure head in bag heights (field 18)
  double bag_height = 0.0;          // m (field 13)
  double bag_pressure_kpa = 0.0;    // kPa
  double bag_tension_kn = 0.0;      // kN per m (field 20)
  double stopper_angle_deg = 0.0;   // degrees at the stopper's foot (field 25)
  double upstream_level = 0.0;      // m above the hinge (field 2)
  double crest_height = 0.0;        // m (field 9)
  double overflow_depth = 0.0;      // m, 0 while the water stays below the crest
  double downstream_level = 0.0;    // m, the downstream water line; below 0 under the hinge (field 3)
  double layer_level = 0.0;         // m, top of the second upstream layer; <= 0: none (field 5)
};

// The bag pressure is the head alpha * bag height of water, alpha * g *
// bag_height * density in pascals; the overflow depth is the upstream
// level above the crest.
KeyResults key_results(const RunResults& results);

}  // namespace plot
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_PLOT_KEY_RESULTS_H_
