// The gate's rating: the discharge over the leaf against the upstream
// level, for the leaf held at given angles and for the sealed bag.
#ifndef TQWEIR_FLOOD_RATING_H_
#define TQWEIR_FLOOD_RATING_H_

#include <string>
#include <vector>

#include "core/messages.h"
#include "core/run_state.h"
#include "flood/flood_file.h"
#include "flood/gate_regime.h"
#include "flood/tailwater_curve.h"

namespace tqweir {
namespace flood {

struct RatingRow {
  std::string gate;        // "theta1_deg=45" for a held leaf, "sealed"
  double level = 0.0;      // m
  bool held = false;       // a state holds at this level
  GateRegime regime = GateRegime::none;
  double theta1_deg = 0.0;
  double stopper_tension = 0.0;       // kN
  double discharge_per_metre = 0.0;   // m3/s per m: the summary's field 26, unrounded
  double discharge = 0.0;             // m3/s over the span
  std::string reason;                 // when not held, in English
  Message stop = Message::finished;   // the stop met, if one
  // With a tailwater curve, when held:
  double crest = 0.0;                 // m (section frame), the summary's crest height
  bool drowned = false;               // the drowned discharge was found
  double tailwater_level = 0.0;       // m (section frame) at the total outflow
  double drowned_discharge = 0.0;     // m3/s over the span
  std::string drowned_reason;         // why not found (a table left), in English
  // With discharge_coefficient_curve: why the leaf's discharge is not
  // determined (its angle outside the curve); empty when it is.
  std::string coefficient_reason;
  // With fixed crests, when held: their discharge (drowned by the
  // tailwater with the leaf's when there is one) and the weir's total,
  // the leaf's and theirs.
  double fixed_crest = 0.0;           // m3/s
  bool has_total = false;
  double total = 0.0;                 // m3/s
};

// For each of `angles` (degree) in order, the solve at every level with the
// leaf held there; then, with `sealed`, the sealed bag's state at every
// level (the air of `base`, each level's search starting from the
// previous level's state). Each row is a direct solve, no interpolation.
// With `tailwater`, each held row's discharge also drowned by it
// (flood/tailwater_curve.h); the solves keep the case's hd_nd, which moves
// neither a held leaf's crest nor its free discharge (a sealed bag's state
// it would move: those rows stay the case's). With `weir`, the leaf's
// discharge at its coefficient curve's value at the row's angle, and each
// held row's fixed crests and total (the tailwater's crests are `weir`'s).
// REQUIRES: levels and angles finite.
std::vector<RatingRow> rating(const CaseInput& base, const std::vector<double>& levels,
                              const std::vector<double>& angles, bool sealed,
                              const TailwaterCurve* tailwater = nullptr,
                              const WeirRows* weir = nullptr);

// The rows as a table, CP932 with CR LF: gate, upstream_level_m, regime,
// theta1_deg, stopper_tension_kn, status, discharge_m3s_per_m,
// discharge_m3s, message; with `drowned`, then crest_height_m,
// tailwater_level_m, free_discharge_m3s and drowned_discharge_m3s (a held
// row whose drowned discharge is not found has the status not_determined
// and the reason in message). A weir of `gates` above 1 adds
// weir_discharge_m3s: the discharge of its identical gates together, each
// held alike (the discharge columns are each gate's). With `crests`, then
// fixed_crest_m3s and total_discharge_m3s (the leaves', drowned when
// drowned, and the fixed crests'). A row whose leaf angle lies outside the
// coefficient curve has the status not_determined, its discharges empty.
// Numbers as the shortest decimal that reads back.
std::string rating_table(const std::vector<RatingRow>& rows, bool drowned = false, int gates = 1,
                         bool crests = false);

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_RATING_H_
