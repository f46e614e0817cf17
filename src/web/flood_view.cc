#include "web/flood_view.h"

#include <sstream>
#include <vector>

#include "core/file_io.h"
#include "text/input_error.h"
#include "studies/flood/flood_job.h"
#include "studies/operation/operated_design.h"
#include "studies/flood/routed_flood.h"
#include "studies/report/report_document.h"
#include "web/memory_folder.h"

namespace tqweir {
namespace web {
namespace {

// The flood of the file `inflow` through the design in `dir`, as the command names them.
struct FloodNames {
  std::string dir, inflow;
};

FloodPrintout printout(const operate::RoutedFlood& routed, const operate::FloodJob& job,
                       const FloodNames& names) {
  std::ostringstream out, err;
  FloodPrintout p;
  p.exit_status = operate::print_flood_route(routed, job, names.inflow, names.dir, out, err);
  p.out = out.str();
  p.err = err.str();
  return p;
}

// Both printouts of a job refused before any route, as the command refuses it.
FloodView refused(const std::string& why, const FloodNames& names) {
  operate::RoutedFlood routed;
  routed.refused = true;
  routed.stop = why;
  FloodView view;
  view.with_power = printout(routed, {}, names);
  routed.power_failure = true;
  view.without_power = printout(routed, {}, names);
  return view;
}

}  // namespace

FloodView flood_view(const std::map<std::string, std::string>& files, const std::string& folder,
                     const std::string& inflow) {
  const MemoryFolder dir(files, folder);
  const WorkingFolder here(dir.parent());
  const FloodNames names{dir.name(), join_path(dir.name(), inflow)};
  if (!here.ok()) return refused("the page's folder cannot be opened", names);
  design::Design design;
  operate::FloodJob job;
  try {
    design = design::read_design(names.dir, {});
    operate::FloodRequest request;
    request.inflow = operate::read_inflow(names.inflow);
    job = operate::flood_job(operate::operated(design), request);
  } catch (const text::InputError& error) {
    return refused(error.what(), names);
  }
  const std::vector<operate::RoutedFlood> routes = operate::route_flood_both_ways(job);
  FloodView view;
  view.with_power = printout(routes[0], job, names);
  view.without_power = printout(routes[1], job, names);
  // The report routes the design's flood_inflow; the inflow shown is that one.
  design.criteria.flood_inflow.given = true;
  design.criteria.flood_inflow.text = inflow;
  view.section_page = report::flood_section_page(design, report::run_design(design), routes);
  return view;
}

}  // namespace web
}  // namespace tqweir
