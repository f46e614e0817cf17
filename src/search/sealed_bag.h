// The bag with its air valve closed: for each value of a load (the upstream
// level), the state that holds the air the base case put in the bag.
//
// The air's amount is the base case's air volume at atmospheric pressure;
// it stays as the load changes (isothermal, as the summary's volume
// assumes; quasi-static, no hysteresis: each level is solved on its own).
// While the stopper holds the leaf at the base angle the unknown is the
// stopper tension; once that tension would fall below 0 the stopper is
// slack and the unknown is the leaf angle, with tension 0.
#ifndef TQWEIR_SEARCH_SEALED_BAG_H_
#define TQWEIR_SEARCH_SEALED_BAG_H_

#include <string>
#include <vector>

#include "search/case_probe.h"
#include "search/sealed_step.h"

namespace tqweir {
namespace search {

struct SealedSettings {
  // The walk's bracket of the tension (kN) or the angle (degree) is
  // narrowed only until a value near the crossing is known, a secant step
  // or two: the state is then chosen on `grid` around that value
  // (sealed_step.h), which finds the crossing's cell from anywhere near it
  // and gives a state that depends on the load alone. Each row is the solve
  // at the value in its input columns, so the row is what tqweir prints for
  // that value.
  double tension_tolerance = 1.0 / 64.0;
  double angle_tolerance = 1.0 / 64.0;
  int max_refine_solves = 2;
  StepGrid grid;  // cells of 2^-6, points 2^-14 apart (kN or degree)
  double lowest_angle_deg = 1.0;  // the leaf angle the summary clamps to
  int max_expansions = 64;        // doublings of a bracket's step
};

struct SealedState {
  double load = 0.0;
  bool held = false;      // a state holds the air
  std::string regime;     // "stopper", "slack", or "none"
  double theta1_deg = 0.0;
  double stopper_tension = 0.0;  // kN
  CaseResult result;             // the state's solve, when held
  // When not held: why, in English, and the stop met (finished when none).
  std::string reason;
  Message stop = Message::finished;
  int solves = 0;
};

// The state at `load` (set in `load_field` of `base`) that holds
// `air_volume` (m^3/m at atmospheric pressure). `base` gives the raised
// angle (theta1_deg) and the stopper's tension step. The value of the
// unknown is the middle of the step of the air volume that holds the air,
// or the base case's own value where that lies on the step (so the base
// load gives the base case); where no step holds it exactly, the point of
// the fine grid nearer the air beside the crossing (sealed_step.h).
// Deterministic: the same arguments give the same state to the bit, and
// `previous` (the state of a neighbouring load, or nullptr) only gives the
// search a first guess: any `previous` gives the same state, as long as
// the air crosses the base air once at the coarse grid's spacing near the
// state (so at every level of the example folders).
SealedState sealed_state(const CaseInput& base, const InputField& load_field, double load,
                         double air_volume, const SealedSettings& settings,
                         const SealedState* previous = nullptr);

// The base case's air, or a stop when the base case does not finish.
CaseResult sealed_base(const CaseInput& base);

// The states at each of `loads` in order, each search starting from the
// previous level's state (for speed only: each state is what sealed_state
// gives for its load alone), with the air of the base case.
struct SealedCurve {
  CaseResult base;                 // the base case's solve; no states when it stops
  double air_volume = 0.0;         // m^3/m at atmospheric pressure
  std::vector<SealedState> states;  // one per load
  int solves = 0;                   // the base case's included
};

// REQUIRES: every load finite.
SealedCurve sealed_curve(const CaseInput& base, const InputField& load_field,
                         const std::vector<double>& loads,
                         const SealedSettings& settings = SealedSettings());

}  // namespace search
}  // namespace tqweir

#endif  // TQWEIR_SEARCH_SEALED_BAG_H_
