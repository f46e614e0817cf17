// A design flood routed through the pond, with power or without, as
// tqweir-operate --flood prints it, the report tabulates and charts it and
// the page shows both: one route, read by all three.
#ifndef TQWEIR_STUDIES_FLOOD_ROUTED_FLOOD_H_
#define TQWEIR_STUDIES_FLOOD_ROUTED_FLOOD_H_

#include <ostream>
#include <string>
#include <vector>

#include "flood/flood_passage.h"
#include "studies/flood/flood_job.h"

namespace tqweir {
namespace operate {

struct RoutedFlood {
  bool power_failure = false;
  bool started = false;  // false: refused, or no steady start
  bool refused = false;  // the base case stops or a value is refused (the command's status 2)
  std::string stop;      // why it did not start (UTF-8)
  flood::FloodPassage passage;
};

// Routes `job`'s inflow with the gates of `failed` failed (nullptr: the
// job's); `shared` carries the gates' paths from one route of the job to
// the next.
RoutedFlood route_flood(const FloodJob& job, bool power_failure, flood::SharedPaths* shared = nullptr,
                        const std::vector<bool>* failed = nullptr);

// With power, then without, the second route reading the paths the first
// solved: the same two passages as two routes alone, in less time.
// `shared`, when given, carries those paths on to the caller's next routes.
std::vector<RoutedFlood> route_flood_both_ways(const FloodJob& job, flood::SharedPaths* shared = nullptr);

// What --flood prints of `routed` (a route of `job`, of the hydrograph
// named `inflow`, through the design in `dir`): the refusal on `err` (exit
// status 2), the start that failed (1), or the flood's printout (0 when
// the route reached the hydrograph's end, else 1).
int print_flood_route(const RoutedFlood& routed, const FloodJob& job, const std::string& inflow,
                      const std::string& dir, std::ostream& out, std::ostream& err);

}  // namespace operate
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_FLOOD_ROUTED_FLOOD_H_
