// The leaf held at one angle through the flood (the stopper at its tension,
// the bag at whatever pressure balances): the discharge over a crest that
// does not move.
#ifndef TQWEIR_FLOOD_FIXED_GATE_H_
#define TQWEIR_FLOOD_FIXED_GATE_H_

#include "core/run_state.h"
#include "flood/table_gate.h"

namespace tqweir {
namespace flood {

class FixedGate : public TableGate {
 public:
  // `base` with its leaf at `theta1_deg`; states solved every `spacing` m.
  // The air does not enter: the leaf is held, whatever the bag holds.
  FixedGate(const CaseInput& base, double theta1_deg, double spacing = 0.05,
            int max_knots = 2000);

 protected:
  Knot solve_knot(double level, const Knot* near) override;
  void check_air(double) const override {}

 private:
  CaseInput base_;
};

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_FIXED_GATE_H_
