// A design flood through the pond with the gate operated by its rule: the
// route of flood/route.h over the gate whose air the valve and the blower
// change (flood/air_gate.h), the state at every point of the series, and
// when the leaf went down and came back up. The design has one gate: the
// route's first and only one.
#ifndef TQWEIR_FLOOD_FLOOD_PASSAGE_H_
#define TQWEIR_FLOOD_FLOOD_PASSAGE_H_

#include <memory>
#include <vector>

#include "flood/flood_file.h"
#include "flood/flood_rule.h"
#include "flood/hydrograph.h"
#include "flood/path_grid.h"

namespace tqweir {
namespace flood {

struct PassageSettings {
  RouteSettings route;
  AirGateSettings gate;
  double output_step = 60.0;  // s between the series' points
};

// A movement of the leaf (lowering or raising) in the hydrograph's own
// time, which may begin before 0 or long after it.
struct Span {
  bool started = false;  // the rule set it going within the flood
  bool ended = false;    // and it came to its end within the flood
  double start = 0.0;    // s, when started
  double end = 0.0;      // s, when ended
};

// The leaf jumping at a fold of its path, met at `time`.
struct FoldMet {
  double time = 0.0;      // s, linear between the series' points
  double level = 0.0;     // m, the grid level whose path folds
  double from_deg = 0.0;  // the angle the leaf leaves
  double to_deg = 0.0;    // the angle it lands at
};

struct FloodPassage {
  Route route;
  std::vector<GateState> states;  // one per route point, the gate's state there
  double raised_air = 0.0;        // m3/m: the base case's, held before the flood
  double start_level = 0.0;       // m
  bool steady_start = false;      // start_level is the first inflow's steady level
  std::vector<RuleSwitch> switches;
  // From the rule's switches as they happen, each located as the rule's
  // events are: the first valve opening to the first leaf_down after it,
  // the first blower_starts to the first blower_stops after it.
  Span lowering, raising;
  // The leaf lies at lowered_angle at the first row already (the start's
  // level and air hold it there): the lowering ended at the start.
  bool down_at_start = false;
  std::vector<FoldMet> folds;
  int solves = 0;
  // tailwater_curve given: the leaf's discharge drowned by the tailwater
  // (flood/tailwater_curve.h); else free overfall.
  bool drowned = false;
  // The weir's rows beside the gate: its fixed crests (their discharge in
  // each route point's fixed_outflow), the leaf's coefficient curve, the
  // vibration band.
  WeirRows weir;
};

// The gate's paths kept from one route for the next: pass the same one to
// every flood_passage of the same base case, operation.csv and settings.
// The routes' results are those each gives alone, bit for bit (solves
// counted included); only the work is shared.
struct SharedPaths {
  std::shared_ptr<PathGrid> grid;  // made by the first route
};

// The flood `inflow` through the pond of `file` over `base`'s gate,
// operated by the rule of `file` (without power when `power_failure`).
// Throws text::InputError when the base case stops, and RouteStop when no
// steady start is found; a stop on the way is the route's (finished false).
FloodPassage flood_passage(const CaseInput& base, const operation::OperationFile& file,
                           const Hydrograph& inflow, bool power_failure,
                           const PassageSettings& settings = PassageSettings(),
                           SharedPaths* shared = nullptr);

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_FLOOD_PASSAGE_H_
