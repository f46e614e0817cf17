#include "studies/flood/routed_flood.h"

#include "flood/route_stop.h"
#include "text/input_error.h"

namespace tqweir {
namespace operate {

RoutedFlood route_flood(const FloodJob& job, bool power_failure, flood::SharedPaths* shared) {
  RoutedFlood routed;
  routed.power_failure = power_failure;
  routed.passage.drowned = job.file.tailwater_curve.given;  // also when it does not start
  try {
    routed.passage = flood::flood_passage(job.base, job.file, job.inflow, power_failure,
                                          flood::PassageSettings(), shared);
    routed.started = true;
  } catch (const text::InputError& error) {
    routed.refused = true;
    routed.stop = error.what();
  } catch (const flood::RouteStop& stop) {
    routed.stop = stop.what();
  }
  return routed;
}

std::vector<RoutedFlood> route_flood_both_ways(const FloodJob& job) {
  flood::SharedPaths shared;
  std::vector<RoutedFlood> both;
  for (const bool power_failure : {false, true}) both.push_back(route_flood(job, power_failure, &shared));
  return both;
}

}  // namespace operate
}  // namespace tqweir
