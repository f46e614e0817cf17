// A design's flood risk from Python: in this process on threads, or in
// blocks of events for Dask's workers (the gate's paths solved here once
// and sent as bytes with each block, the blocks' events merged here). The
// package's tqweir.risk (_risk.py) makes the calls and builds the Risk.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include <pybind11/stl.h>

#include "bindings.h"
#include "design_runs.h"
#include "risk/risk_block.h"
#include "studies/risk/risk_blocks.h"
#include "studies/risk/risk_study.h"
#include "text/input_error.h"

namespace py = pybind11;

namespace tqweir {
namespace python {
namespace {

using Held = std::shared_ptr<DesignRuns>;

// The job of the design: risk.csv as the design's folder held it when it
// was read, so that the design pickled (to a worker) carries it.
risk_study::RiskJob job_of(DesignRuns& held) { return risk_study::risk_job(held.gate); }

py::dict study_dict(const risk_study::RiskStudy& s, const risk_study::RiskJob& job) {
  py::dict out;
  const bool spread = job.risk.realizations > 1;
  std::vector<double> level, aep, aep_5, aep_95;
  for (const risk::AepRow& r : s.curve) {
    level.push_back(r.level);
    aep.push_back(r.aep);
    aep_5.push_back(r.aep_5);
    aep_95.push_back(r.aep_95);
  }
  py::dict curve;
  curve["level_m"] = level;
  curve["aep"] = aep;
  if (spread) {
    curve["aep_5"] = aep_5;
    curve["aep_95"] = aep_95;
  }
  out["curve"] = curve;
  out["has_limit"] = s.has_limit;
  out["limit_level"] = job.max_level.value;
  out["aep_of_limit"] = s.limit.aep;
  out["aep_of_limit_5"] = s.limit.aep_5;
  out["aep_of_limit_95"] = s.limit.aep_95;
  out["limit_error"] = s.limit_error;
  py::dict branches;
  for (std::size_t b = 0; b < s.run.branches.size(); ++b) {
    const double share = b < s.limit_branches.size() ? s.limit_branches[b] : 0.0;
    branches[py::str(risk::branch_name(s.run.branches[b], s.run.gates))] = share;
  }
  branches["rarer than aep_to"] = job.risk.aep_to;
  out["branches"] = branches;
  out["realizations"] = job.risk.realizations;
  out["events"] = s.run.events.size();
  out["routes"] = s.routes;
  out["unfinished"] = s.unfinished;
  out["failed_fits"] = s.run.failed_fits;
  return out;
}

py::dict risk_here(const Held& held, int threads) {
  const risk_study::RiskJob job = job_of(*held);
  risk_study::RiskStudy s;
  {
    py::gil_scoped_release unlocked;
    s = risk_study::run_risk_study(job, threads);
  }
  py::dict out = study_dict(s, job);
  out["grid_levels"] = s.grid_levels;
  out["seconds"] = s.seconds;
  out["presolve_seconds"] = s.presolve_seconds;
  return out;
}

py::tuple risk_paths(const Held& held, int threads) {
  const risk_study::RiskJob job = job_of(*held);
  std::string bytes;
  {
    py::gil_scoped_release unlocked;
    bytes = risk_study::presolved_paths_bytes(job, threads);
  }
  return py::make_tuple(py::bytes(bytes), risk::risk_event_count(job.risk));
}

py::bytes risk_block(const Held& held, const std::string& paths, std::size_t from, std::size_t to,
                     int threads) {
  const risk_study::RiskJob job = job_of(*held);
  std::string bytes;
  {
    py::gil_scoped_release unlocked;
    bytes = risk::block_bytes(risk_study::route_risk_block(job, paths, from, to, threads));
  }
  return py::bytes(bytes);
}

py::dict risk_merge(const Held& held, const std::vector<std::string>& blocks) {
  const risk_study::RiskJob job = job_of(*held);
  std::vector<risk::RiskBlock> read;
  for (const std::string& b : blocks) read.push_back(risk::block_from_bytes(b));
  return study_dict(risk_study::merged_risk_study(job, std::move(read)), job);
}

}  // namespace

void bind_risk(py::module_& m) {
  m.def("risk_here", &risk_here, py::arg("design"), py::arg("threads"));
  m.def("risk_paths", &risk_paths, py::arg("design"), py::arg("threads"));
  m.def("risk_block", &risk_block, py::arg("design"), py::arg("paths"), py::arg("start"), py::arg("stop"),
        py::arg("threads"));
  m.def("risk_merge", &risk_merge, py::arg("design"), py::arg("blocks"));
}

}  // namespace python
}  // namespace tqweir
