#include "studies/flood/routed_flood.h"

#include "flood/route_stop.h"
#include "studies/flood/flood_output.h"
#include "text/input_error.h"

namespace tqweir {
namespace operate {

RoutedFlood route_flood(const FloodJob& job, bool power_failure, flood::SharedPaths* shared,
                        const std::vector<bool>* failed) {
  RoutedFlood routed;
  routed.power_failure = power_failure;
  routed.passage.drowned = job.file.tailwater_curve.given;  // also when it does not start
  try {
    routed.passage = flood::flood_passage(job.base, job.file, job.inflow, power_failure,
                                          flood::PassageSettings(), shared,
                                          failed != nullptr ? *failed : job.failed);
    routed.started = true;
  } catch (const text::InputError& error) {
    routed.refused = true;
    routed.stop = error.what();
  } catch (const flood::RouteStop& stop) {
    routed.stop = stop.what();
  }
  return routed;
}

std::vector<RoutedFlood> route_flood_both_ways(const FloodJob& job, flood::SharedPaths* shared) {
  flood::SharedPaths own;
  if (shared == nullptr) shared = &own;
  std::vector<RoutedFlood> both;
  for (const bool power_failure : {false, true}) both.push_back(route_flood(job, power_failure, shared));
  return both;
}

int print_flood_route(const RoutedFlood& routed, const FloodJob& job, const std::string& inflow,
                      const std::string& dir, std::ostream& out, std::ostream& err) {
  if (routed.refused) {
    err << "tqweir-operate: " << routed.stop << "\n";
    return 2;
  }
  if (!routed.started) {
    out << "tqweir-operate: the flood cannot start: " << routed.stop << "\n";
    return 1;
  }
  out << "tqweir-operate: flood " << inflow << " through " << dir << "\n";
  print_flood(routed.passage, design::make_criteria(job.criteria), job.criteria.max_upstream_level,
              routed.power_failure, out);
  return routed.passage.route.finished ? 0 : 1;
}

}  // namespace operate
}  // namespace tqweir
