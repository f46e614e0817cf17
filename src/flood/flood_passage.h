// A design flood through the pond with the gate operated by its rule: the
// route of flood/route.h over the gate whose air the valve and the blower
// change (flood/air_gate.h), the state at every point of the series, and
// when the leaf went down and came back up. The weir has operation.csv's
// `gates` identical gates of the design side by side over the one pond
// (one when the row is absent), all reading one grid of paths: the paths
// depend on the level alone. A gate that fails (its valve and float valve
// do not open) keeps the air it held before the flood, shut in: it moves
// with the level as flood/sealed_gate.h's gate does, and is that gate.
#ifndef TQWEIR_FLOOD_FLOOD_PASSAGE_H_
#define TQWEIR_FLOOD_FLOOD_PASSAGE_H_

#include <cstddef>
#include <memory>
#include <vector>

#include "flood/flood_file.h"
#include "flood/flood_rule.h"
#include "flood/hydrograph.h"
#include "flood/path_grid.h"
#include "flood/sealed_gate.h"
#include "search/case_probe.h"

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
  std::size_t gate = 0;   // from 0
  double time = 0.0;      // s, linear between the series' points
  double level = 0.0;     // m, the grid level whose path folds
  double from_deg = 0.0;  // the angle the leaf leaves
  double to_deg = 0.0;    // the angle it lands at
};

// One gate's share of the passage: its state at every route point, and
// its own lowering and raising (located as the passage's are).
struct GatePassage {
  bool failed = false;            // its valves do not open: its air stays shut in
  std::vector<GateState> states;  // one per route point
  Span lowering, raising;
  bool down_at_start = false;
};

struct FloodPassage {
  Route route;
  // Gate 1's state at every route point (the one gate of a design of one),
  // and below its lowering and raising; `gates` holds every gate's.
  std::vector<GateState> states;
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
  std::vector<GatePassage> gates;  // gate 1 first; one for a design of one gate
  int solves = 0;  // the paths' and the sealed gate's, each solve counted once
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
// A failed gate's sealed states are kept too (made by the first route
// with a failed gate); the solves of those are counted by the route that
// made them, and a level solved from another level's first guess agrees
// with the route alone to the sealed search's tolerance, not to the bit.
struct SharedPaths {
  std::shared_ptr<PathGrid> grid;  // made by the first route
  std::shared_ptr<SealedGate> sealed;
  // The base case solved by the first route (its air before the flood), so
  // that the next routes do not solve it again.
  std::shared_ptr<const search::CaseResult> base;
};

// The grid of `base`'s paths that the first flood_passage of `file` and
// `settings` makes (its lowered angle, tailwater and coefficient curve).
// Throws text::InputError as read_flood_rows does.
std::shared_ptr<PathGrid> passage_grid(const CaseInput& base, const operation::OperationFile& file,
                                       const PassageSettings& settings);

// The flood `inflow` through the pond of `file` over the weir of `base`'s
// gates, operated by the rule of `file` (without power when
// `power_failure`); `failed` flags the gates whose valves fail, gate 1
// first (empty: none; a gate past its end does not fail).
// Throws text::InputError when the base case stops, and RouteStop when no
// steady start is found; a stop on the way is the route's (finished false).
FloodPassage flood_passage(const CaseInput& base, const operation::OperationFile& file,
                           const Hydrograph& inflow, bool power_failure,
                           const PassageSettings& settings = PassageSettings(),
                           SharedPaths* shared = nullptr, const std::vector<bool>& failed = {});

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_FLOOD_PASSAGE_H_
