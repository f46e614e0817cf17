// The bag with its air shut in (no valve open, no blower): at each level
// the state that holds the base case's air, the stopper taut while the air
// pushes the leaf against it, the leaf going down once it is slack.
#ifndef TQWEIR_FLOOD_SEALED_GATE_H_
#define TQWEIR_FLOOD_SEALED_GATE_H_

#include "core/run_state.h"
#include "flood/table_gate.h"
#include "search/sealed_bag.h"

namespace tqweir {
namespace flood {

class SealedGate : public TableGate {
 public:
  // The air is the base case's air volume at atmospheric pressure (the summary's
  // field 19); states solved every `spacing` m. Throws text::InputError
  // when the base case stops, since it then puts no air in the bag.
  explicit SealedGate(const CaseInput& base, double spacing = 0.05, int max_knots = 2000,
                      const search::SealedSettings& settings = search::SealedSettings());

  double air() const { return air_; }

  // The sealed searches' results kept as first guesses, by level.
  const std::map<double, search::SealedState>& hints() const { return hints_; }
  // Keeps `state`, found at `level` by a gate of the same base case
  // (another process's), as the first guess there.
  void restore_hint(double level, const search::SealedState& state) { hints_.emplace(level, state); }

 protected:
  Knot solve_knot(double level, const Knot* near) override;
  // The grid holds one air: any other is refused rather than answered with
  // the states of this one.
  void check_air(double air) const override;

 private:
  CaseInput base_;
  search::SealedSettings settings_;
  double air_ = 0.0;
  std::map<double, search::SealedState> hints_;  // the searches' first guesses, by level
};

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_SEALED_GATE_H_
