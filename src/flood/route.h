// A flood routed through the pond and over its gates, side by side:
//
//   d(storage)/dt = inflow(t) - outflow over the leaves - other outflow
//                   - outflow over the fixed crests
//   d(air_g)/dt   = the caller's air rate of gate g (valve out, blower in)
//
// one level for the pond and one air for each gate (flood/route_state.h),
// integrated together with the Dormand-Prince 5(4) pair under error
// control, or with the Rosenbrock method once the pond turns out stiff
// (see flood/route_stepper.h), each step inside one piece of the
// hydrograph, its dense output locating each gate's events and the peak. The storage, not
// the level, is integrated: the level follows from it through the pond's
// curve, continuous where the curve's area jumps, so the right-hand side
// stays continuous for the error control.
#ifndef TQWEIR_FLOOD_ROUTE_H_
#define TQWEIR_FLOOD_ROUTE_H_

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "flood/gate.h"
#include "flood/hydrograph.h"
#include "flood/level_table.h"
#include "flood/pond.h"
#include "flood/rule_event.h"

namespace tqweir {
namespace flood {

// A level the rule acts at for one gate: crossed rising (+1), falling (-1)
// or either (0). With `crossing` set, the event is that function of the
// level (m) and the gate's air (m3/m) passing 0 instead (the air reaching
// what the leaf needs).
struct LevelEvent {
  RuleEvent what = RuleEvent::lower;
  std::size_t gate = 0;  // the route's gate, from 0
  double level = 0.0;    // m
  int direction = 0;
  std::function<double(double level, double air)> crossing;
};

struct EventHit {
  RuleEvent what = RuleEvent::lower;
  std::size_t gate = 0;
  double time = 0.0;   // s, the end of the located bracket past the level
  double level = 0.0;  // m, the level there
  double air = 0.0;    // m3/m at atmospheric pressure, the gate's
};

// The rate of change of gate `gate`'s air (m3/m per s at atmospheric
// pressure) at time t (s), level (m) and its air: the valve's outflow
// negative, the blower's inflow positive. Empty: every air is held.
using AirRate = std::function<double(double t, double level, std::size_t gate, double air)>;

// The discharge (m3/s) over the weir's fixed parts beside the gates at
// `level` (m) with `gates` m3/s over the leaves (a tailwater they share
// drowns both).
using FixedOutflow = std::function<double(double level, double gates)>;

// Called at each event in time order; true when it changed the model (the
// air rate), so the integration starts afresh there.
using EventAction = std::function<bool(const EventHit&)>;

struct RouteSettings {
  double relative_tolerance = 1e-9;  // per step, on each of storage, airs, outflow volume
  double absolute_tolerance = 1e-6;  // m3 (storage, volume) or m3/m (air)
  double first_step = 60.0;          // s
  double max_step = 3600.0;          // s: a level crossed twice inside one step is missed
  // m3: once the pond is stiff, its storage's absolute tolerance (see
  // flood/route_stepper.h).
  double stiff_storage_tolerance = 1e-4;
  double shortest_step = 1e-6;       // s: a trial this short that stops ends the route
  double event_tolerance = 1e-3;     // s, width of an event's (and the peak's) bracket
  // Accepted steps over the whole route, besides one for each of the
  // hydrograph's pieces (each piece takes a step of its own).
  int max_steps = 100000;
  double output_step = 0.0;          // s between points; 0: a point at every step's end
};

struct RouteInput {
  const Hydrograph* inflow = nullptr;
  const Pond* pond = nullptr;
  std::vector<Gate*> gates;                   // side by side over the one pond
  const LevelTable* other_outflow = nullptr;  // m3/s against level, or none
  FixedOutflow fixed_outflow;                 // the fixed crests, or none
  double start_level = 0.0;                   // m, at the hydrograph's first row
  std::vector<double> start_airs;             // m3/m at atmospheric pressure, one per gate
  double end_time = -1.0;                     // s; below 0: the hydrograph's last row
  AirRate air_rate;
  std::vector<LevelEvent> events;
  EventAction on_event;
};

struct RoutePoint {
  double time = 0.0;           // s
  double level = 0.0;          // m
  double storage = 0.0;        // m3
  double inflow = 0.0;         // m3/s
  double outflow = 0.0;        // m3/s over the leaves of every gate
  double other_outflow = 0.0;  // m3/s
  double fixed_outflow = 0.0;  // m3/s over the fixed crests
  std::vector<double> airs;    // m3/m at atmospheric pressure, one per gate
};

struct Route {
  bool finished = false;
  std::string stop;  // why it ended early, with the time
  std::vector<RoutePoint> points;
  std::vector<EventHit> events;
  RoutePoint peak;  // the highest level, located where the storage stops rising
  int steps = 0;    // accepted steps
  double stiff_from = -1.0;   // s, when the stiff method took over; below 0: never
  long evaluations = 0;       // right-hand sides, the stepper's and the searches'
  double inflow_volume = 0.0;   // m3 from start to end, exact for the hydrograph
  double outflow_volume = 0.0;  // m3, integrated with the storage
};

// REQUIRES: inflow and pond set, at least one gate, none null. Every value
// in the result is finite; a value that would not be ends the route with a
// stop, and so does a start with other than one air per gate or an event
// for a gate the route does not have.
Route route(const RouteInput& input, const RouteSettings& settings = RouteSettings());

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_ROUTE_H_
