#include "tools/report/flood_runs.h"

#include "core/file_io.h"
#include "flood/route_stop.h"
#include "text/input_error.h"
#include "tools/operate/flood_command.h"

namespace tqweir {
namespace report {
namespace {

operate::OperateOptions flood_options(const design::Design& design, bool power_failure) {
  operate::OperateOptions options;
  options.dir = design.dir;
  options.mode = operate::Mode::flood;
  options.inflow = flood_inflow_path(design);
  options.power_failure = power_failure;
  return options;
}

}  // namespace

std::string flood_inflow_path(const design::Design& design) {
  const design::GivenText& row = design.criteria.flood_inflow;
  return row.given && !design.dir.empty() ? join_path(design.dir, row.text) : "";
}

void check_flood_inputs(const design::Design& design) {
  if (flood_inflow_path(design).empty()) return;
  operate::prepare_flood_job(flood_options(design, false), design);
}

std::vector<FloodRun> run_floods(const design::Design& design) {
  std::vector<FloodRun> runs;
  if (flood_inflow_path(design).empty()) return runs;
  for (const bool power_failure : {false, true}) {
    const operate::OperateOptions options = flood_options(design, power_failure);
    const operate::FloodJob job = operate::prepare_flood_job(options, design);
    FloodRun run;
    run.power_failure = power_failure;
    run.inflow_path = options.inflow;
    try {
      run.passage = flood::flood_passage(job.base, job.file, job.inflow, power_failure);
      run.started = true;
    } catch (const text::InputError& error) {
      run.stop = error.what();
    } catch (const flood::RouteStop& stop) {
      run.stop = stop.what();
    }
    runs.push_back(run);
  }
  return runs;
}

}  // namespace report
}  // namespace tqweir
