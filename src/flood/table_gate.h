// A gate whose states are solved at levels on a grid, when the route first
// needs them, and interpolated between: the route asks for hundreds of
// levels per hour of flood, each solve takes milliseconds (a sealed state
// a dozen solves), and the states change smoothly with the level.
//
// The discharge is the weir's law of the program, C * h^1.5 per metre with
// h the level over the crest, on the head interpolated between the grid's
// states: the level is exact and only the crest height is interpolated.
// For a leaf held still the crest does not move, so the discharge is exact
// to rounding at every level; where the leaf goes down, the error is that
// of the crest's chord between two grid levels (docs/flood.md gives it).
// At a grid level it is the program's overflow discharge (the summary's field 26)
// exactly. The other results are linear between the grid levels.
#ifndef TQWEIR_FLOOD_TABLE_GATE_H_
#define TQWEIR_FLOOD_TABLE_GATE_H_

#include <atomic>
#include <map>
#include <memory>
#include <shared_mutex>
#include <string>

#include "core/messages.h"
#include "flood/gate.h"

namespace tqweir {
namespace flood {

// The state solved at one level.
struct Knot {
  double level = 0.0;
  bool held = false;      // a state holds at this level
  std::string reason;     // why not, when not held, in English
  Message stop = Message::finished;  // the solve's stop behind it, if one
  GateState state;        // when held: the solve's results, outflow from field 26
  int solves = 0;
};

// The state at `level` a share `w` of the way from `lo` to `hi` (two
// solved states): the results, angle and tension linear, the regime the
// nearer one's, the discharge (whole span `span`, m) the weir's law on the
// interpolated crest, so that the level itself is exact, at the states'
// coefficient curve's value at the interpolated angle when they carry one
// (RouteStop outside it, with water over the leaf); with the states'
// tailwater, that law drowned by it at the level itself (flood/tailwater_curve.h).
GateState blended_state(const GateState& lo, const GateState& hi, double w, double level,
                        double span);

class TableGate : public Gate {
 public:
  // Grid levels every `spacing` m (multiples of it); at most `max_knots`
  // solved. `span` (m) turns the discharge per metre into the whole gate's.
  // REQUIRES: spacing > 0 and finite.
  TableGate(double spacing, double span, int max_knots);

  double outflow(double level, double air) override;
  GateState state(double level, double air) override;
  int solves() const override { return solves_; }

  // Solves every grid level between the lowest and the highest solved, in
  // rising order. Routes that then stay within them read the table and
  // solve nothing, so that their answers do not depend on which route came
  // first: several threads may route through one gate.
  void solve_between();

  // The state solved at `level` itself, not kept: the reference the grid
  // is measured against. REQUIRES: level finite.
  Knot direct(double level);

  // From now on every state's discharge is drowned by the tailwater of `t`
  // (flood/tailwater_curve.h), the states solved with the case's hd_nd:
  // the rating's model. Called before the first state.
  void drown_by(const TailwaterCurve& t);

  // From now on the discharge between grid levels is at the coefficient
  // `curve` gives at each state's angle (flood/leaf_coefficient.h); the
  // grid's own states keep the section's. Called before the first state.
  void use_coefficient_curve(const LevelTable& curve);

  // The states solved so far, by grid index.
  const std::map<long, Knot>& knots() const { return knots_; }

  // Puts `k`, solved by a gate of the same kind, base case, spacing,
  // tailwater and curve (another process's), at grid index `index`, its
  // state reading this gate's tailwater and curve. A knot already there
  // keeps its own.
  void restore_knot(long index, Knot k);

 protected:
  // The state at `level`; `near` is a solved neighbour or nullptr.
  virtual Knot solve_knot(double level, const Knot* near) = 0;
  // Throws RouteStop for an air the gate cannot hold.
  virtual void check_air(double air) const = 0;

 private:
  const Knot& knot(long index);
  Knot solved(double level, const Knot* near);
  std::shared_ptr<const TailwaterCurve> tailwater_;  // none: free overfall
  std::shared_ptr<const LevelTable> coefficient_;    // none: the method's constant
  double spacing_;
  double span_;
  int max_knots_;
  std::atomic<int> solves_{0};
  // Guards knots_ (the map, not its knots: a solved knot never changes and
  // a map's entries stay where they are), so that routes on several
  // threads may share the table.
  mutable std::shared_mutex mutex_;
  std::map<long, Knot> knots_;
};

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_TABLE_GATE_H_
