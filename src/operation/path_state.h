// One state on the way between the raised and the lowered leaf at one
// upstream level: the case solved with the leaf at an angle and the stopper
// at a tension, exactly as tqweir solves those inputs, and the air it holds.
#ifndef TQWEIR_OPERATION_PATH_STATE_H_
#define TQWEIR_OPERATION_PATH_STATE_H_

#include <functional>
#include <map>

#include "operation/tailwater.h"
#include "search/bracket_search.h"
#include "search/case_probe.h"

namespace tqweir {
namespace operation {

// What moves: the stopper's tension at the raised angle (`stopper`), or
// the leaf's angle with the stopper slack at tension 0 (`slack`).
enum class Regime { stopper, slack };

const char* regime_name(Regime regime);

struct PathState {
  Regime regime = Regime::stopper;
  double theta1_deg = 0.0;       // degree, the solve's input
  double stopper_tension = 0.0;  // kN, the solve's input
  search::CaseResult result;     // the solve; finished unless a stop is recorded
  double air = 0.0;              // m^3/m at atmospheric pressure (summary field 19, unrounded)
  double p_abs = 0.0;            // Pa: the pressure the air counting implies, p_atm * air / area
};

// The unknown of the state's regime: its tension or its angle.
double unknown_of(const PathState& state);

// The bag's gauge pressure (kPa).
double gauge_kpa(const PathState& state);

// The states of one case and regime by the value of its unknown, each
// solved once. At `stopper` the angle is the case's own (the raised angle);
// at `slack` the tension is 0. With a tailwater level, each state's hd_nd
// is its fixed point (operation/tailwater.h), each search starting from
// the hd_nd of the state solved before it.
class StateSolver {
 public:
  StateSolver(const CaseInput& input, Regime regime, const Tailwater& tailwater = Tailwater());

  // The state at unknown `x`; finished or not (result.finished).
  const PathState& at(double x);

  // A probe of the unknown whose excess is `excess(state)`; a state that
  // stops is a sample that did not finish. The solver must outlive it.
  search::Probe probe(std::function<double(const PathState&)> excess);

  int solves() const { return solves_; }

 private:
  CaseInput input_;
  Regime regime_;
  Tailwater tailwater_;
  int solves_ = 0;
  std::map<double, PathState> cache_;
};

}  // namespace operation
}  // namespace tqweir

#endif  // TQWEIR_OPERATION_PATH_STATE_H_
