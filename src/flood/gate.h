// The gate as the pond's routing sees it: for the upstream level and the
// air in the bag, the discharge over the leaf and the state of the section
// that holds there. The state is quasi-static: the leaf, bag and stopper
// are in balance at every instant, because the gate moves in minutes while
// its own dynamics (the leaf's swing, the air's pressure waves) settle in
// seconds.
#ifndef TQWEIR_FLOOD_GATE_H_
#define TQWEIR_FLOOD_GATE_H_

#include <array>
#include <memory>
#include <string>

#include "core/summary_fields.h"
#include "flood/gate_regime.h"

namespace tqweir {
namespace flood {

struct LevelTable;
struct TailwaterCurve;

struct GateState {
  double level = 0.0;    // m, the upstream level asked for
  double outflow = 0.0;  // m3/s over the whole span
  GateRegime regime = GateRegime::none;
  double theta1_deg = 0.0;
  double stopper_tension = 0.0;  // kN
  // The section's 27 results in their printed units, unrounded; between the
  // levels a gate has solved, linear between them.
  std::array<double, kSummaryFieldCount> values{};
  // With a tailwater curve the leaf is drowned (flood/tailwater_curve.h):
  // outflow is then the submerged weir's, while the values keep the
  // section's free overfall (field 26).
  std::shared_ptr<const TailwaterCurve> tailwater;  // none: free overfall
  double tailwater_level = 0.0;  // m (section frame) at the total outflow, when drowned
  double submergence = 1.0;      // outflow / the free overfall's
  // The leaf's discharge coefficient against its angle
  // (flood/leaf_coefficient.h); none: the method's constant.
  std::shared_ptr<const LevelTable> coefficient_curve;
};

class Gate {
 public:
  virtual ~Gate() = default;

  // The discharge over the leaf (m3/s, whole span) at upstream level
  // `level` (m, the section frame) with `air` in the bag (m3 per metre of
  // span at atmospheric pressure, as the summary's air volume). Throws
  // RouteStop where no state holds, or for an air the gate cannot hold.
  virtual double outflow(double level, double air) = 0;

  // The state behind outflow(level, air). Throws as outflow.
  virtual GateState state(double level, double air) = 0;

  // Solves of the section made so far.
  virtual int solves() const = 0;
};

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_GATE_H_
