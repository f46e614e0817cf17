// tqweir-operate --flood and --rating from Python: the passage routed by
// the command's code once, its printout, the series' bytes and the
// findings the printout words, by name; the rating's table bytes.
#include <sstream>

#include <pybind11/stl.h>

#include "bindings.h"
#include "flood/flood_passage.h"
#include "flood/rating.h"
#include "flood/route_stop.h"
#include "tools/operate/flood_command.h"
#include "tools/operate/flood_output.h"
#include "tools/operate/operate_options.h"

namespace py = pybind11;

namespace tqweir {
namespace python {
namespace {

operate::OperateOptions parse(const std::string& dir, const std::vector<std::string>& args) {
  std::vector<const char*> argv{"tqweir-operate", dir.c_str()};
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  return operate::parse_operate_options(static_cast<int>(argv.size()), argv.data());
}

py::object seconds(double s) { return s < 0.0 ? py::none() : py::cast(s); }

py::list folds(const flood::FloodPassage& p) {
  py::list rows;
  for (const flood::FoldMet& f : p.folds) {
    py::dict row;
    row["time_s"] = f.time;
    row["level_m"] = f.level;
    row["from_deg"] = f.from_deg;
    row["to_deg"] = f.to_deg;
    rows.append(row);
  }
  return rows;
}

py::list checks(const flood::FloodPassage& p, const std::vector<design::Criterion>& criteria) {
  py::list rows;
  for (const operate::HighestRatio& h : operate::highest_ratios(p, criteria)) {
    py::dict row;
    row["key"] = h.criterion->key;
    row["name"] = h.criterion->name_en;
    row["ratio"] = h.ratio;
    row["time_s"] = h.time;
    row["ok"] = h.ratio <= 1.0;
    rows.append(row);
  }
  return rows;
}

}  // namespace

py::dict flood_design(const design::Design& design, const std::vector<std::string>& args) {
  const operate::OperateOptions options = parse(design.dir, args);
  const operate::FloodJob job = operate::prepare_flood_job(options, design);
  py::dict out;
  std::ostringstream printout;
  if (options.mode == operate::Mode::rating) {
    std::vector<flood::RatingRow> rows;
    {
      py::gil_scoped_release unlocked;
      rows = operate::rating_rows(job, options);
    }
    out["table"] = py::bytes(flood::rating_table(rows, job.has_tailwater));
    return out;
  }
  flood::FloodPassage p;
  try {
    py::gil_scoped_release unlocked;
    p = flood::flood_passage(job.base, job.file, job.inflow, options.power_failure);
  } catch (const flood::RouteStop& stop) {
    printout << "tqweir-operate: the flood cannot start: " << stop.what() << "\n";
    out["status"] = 1;
    out["printout"] = printout.str();
    return out;
  }
  const std::vector<design::Criterion> criteria = design::make_criteria(job.criteria);
  printout << "tqweir-operate: flood " << options.inflow << " through " << options.dir << "\n";
  operate::print_flood(p, criteria, job.criteria.max_upstream_level, options.power_failure,
                       printout);
  out["status"] = p.route.finished ? 0 : 1;
  out["printout"] = printout.str();
  out["finished"] = p.route.finished;
  out["stop"] = p.route.finished ? py::none() : py::cast(p.route.stop);
  out["start_level"] = p.start_level;
  out["peak_level"] = p.route.peak.level;
  out["peak_time"] = p.route.peak.time;
  out["lowering"] = py::make_tuple(seconds(p.lowering_start), seconds(p.lowering_end));
  out["raising"] = py::make_tuple(seconds(p.raising_start), seconds(p.raising_end));
  out["folds"] = folds(p);
  out["checks"] = checks(p, criteria);
  const design::Limit& highest = job.criteria.max_upstream_level;
  out["freeboard"] = highest.given ? py::cast(highest.value - p.route.peak.level) : py::none();
  out["series"] = py::bytes(operate::flood_series(p, criteria));
  return out;
}

}  // namespace python
}  // namespace tqweir
