// A design folder from Python: the folder read as tqweir-report reads it,
// its cases run once, the checks, the limit states and the report itself
// from the report's and the design layer's own code.
#include <map>
#include <memory>
#include <utility>

#include <pybind11/stl.h>

#include "bindings.h"
#include "design_runs.h"
#include "design/design.h"
#include "design/design_checks.h"
#include "design/leaf_checks.h"
#include "design/limit_states.h"
#include "text/input_error.h"
#include "studies/operation/operated_design.h"
#include "studies/report/report_date.h"
#include "studies/report/report_document.h"

#ifndef TQWEIR_VERSION
#define TQWEIR_VERSION "unknown"
#endif

namespace py = pybind11;

namespace tqweir {
namespace python {
namespace {

std::shared_ptr<DesignRuns> read_from(FolderTexts folder, const std::vector<std::string>& ranges) {
  auto held = std::make_shared<DesignRuns>();
  held->ranges = ranges;
  held->design = design::read_design(std::move(folder), ranges);
  held->gate = operate::operated(held->design);
  return held;
}

std::shared_ptr<DesignRuns> read(const std::string& dir, const std::vector<std::string>& ranges) {
  return read_from(FolderTexts::on_disk(dir), ranges);
}

// A design for pickling: its folder's path (for the messages that name
// it), the ranges and every file as the folder gave it, to the byte. The
// runs are not kept: made again from the same files they are the same.
py::tuple design_state(const DesignRuns& held) {
  py::dict files;
  for (const auto& [name, file] : held.design.folder.files()) {
    files[py::str(name)] = py::make_tuple(static_cast<int>(file.found), py::bytes(file.bytes));
  }
  return py::make_tuple(held.design.dir, held.ranges, files);
}

std::shared_ptr<DesignRuns> design_from_state(const py::tuple& state) {
  if (state.size() != 3) throw text::InputError("not the state of a pickled design");
  std::map<std::string, FolderFile> files;
  for (const auto& [name, file] : state[2].cast<py::dict>()) {
    const py::tuple found = file.cast<py::tuple>();
    files[name.cast<std::string>()] = {static_cast<FileFound>(found[0].cast<int>()), found[1].cast<std::string>()};
  }
  return read_from(FolderTexts::held(state[0].cast<std::string>(), std::move(files)),
                   state[1].cast<std::vector<std::string>>());
}

bool same_design(const DesignRuns& a, const DesignRuns& b) {
  return a.design.dir == b.design.dir && a.ranges == b.ranges &&
         a.design.folder.files() == b.design.folder.files();
}

py::list case_names(const DesignRuns& held) {
  py::list names;
  for (const design::LoadCase& c : held.design.cases) names.append(c.name);
  return names;
}

// One row per given criterion and case (the leaf's too): the check of the printed result,
// NaN for a case that stopped; `governing` marks each criterion's case.
py::list checks(DesignRuns& held) {
  const std::vector<report::CaseRun>& runs = held.case_runs();
  py::list rows;
  const auto add_rows = [&](const auto& criterion) {
    if (!criterion.given) return;
    const int governing = design::governing_case(runs, criterion);
    for (std::size_t i = 0; i < runs.size(); ++i) {
      py::dict row;
      row["case"] = held.design.cases[i].name;
      row["criterion"] = criterion.key;
      row["name"] = criterion.name_en;
      row["unit"] = criterion.unit;
      row["limit"] = criterion.limit;
      row["limit_text"] = criterion.limit_text;
      row["finished"] = runs[i].converged;
      if (runs[i].converged) {
        const design::Check check = design::check_case(runs[i], criterion);
        row["value_text"] = check.value_text;
        row["value"] = check.value;
        row["ratio"] = check.ratio;
        row["ok"] = check.ok;
      }
      row["governing"] = static_cast<int>(i) == governing;
      rows.append(row);
    }
  };
  for (const design::Criterion& criterion : design::make_criteria(held.design.criteria)) add_rows(criterion);
  // The leaf's steel after the summary's criteria, as the report lists them.
  for (const design::LeafCriterion& criterion : design::make_leaf_criteria(held.design.criteria)) {
    add_rows(criterion);
  }
  return rows;
}

py::dict check_limit(const design::CheckLimit& limit) {
  py::dict row;
  row["found"] = limit.found;
  row["rising"] = limit.rising;
  row["above_at_lo"] = limit.above_at_lo;
  row["value"] = limit.value;
  row["lo"] = limit.lo;
  row["hi"] = limit.hi;
  row["ratio_text"] = limit.ratio_text;
  row["crossings"] = limit.crossings;
  row["any_finished"] = limit.any_finished;
  return row;
}

py::dict stop_limit(const design::StopLimit& stop) {
  py::dict row;
  row["found"] = stop.found;
  row["begins"] = stop.begins;
  row["value"] = stop.value;
  row["beyond"] = stop.beyond;
  row["status"] = message_key(stop.message);
  row["message"] = message_utf8(stop.message);
  row["whole_range"] = stop.whole_range;
  return row;
}

// The limit states of every case over criteria.csv's limit_variable and
// limit_range; `threads` 0 uses every core.
py::dict limit_states(const DesignRuns& held, int threads) {
  const design::SearchRows& search = held.design.criteria.search;
  if (search.limit_field == nullptr) {
    throw text::InputError("criteria.csv gives no limit_variable and limit_range to search over");
  }
  const std::vector<design::Criterion> criteria = design::make_criteria(held.design.criteria);
  design::LimitSettings settings;
  settings.threads = threads;
  std::vector<design::CaseLimits> limits;
  {
    py::gil_scoped_release unlocked;
    limits = design::find_limits(held.design, criteria, settings);
  }
  py::list cases;
  for (std::size_t i = 0; i < limits.size(); ++i) {
    py::dict c;
    c["case"] = held.design.cases[i].name;
    py::dict checks;
    for (std::size_t k = 0; k < criteria.size(); ++k) {
      if (criteria[k].given) checks[criteria[k].key] = check_limit(limits[i].checks[k]);
    }
    c["checks"] = checks;
    c["stop"] = stop_limit(limits[i].stop);
    c["governing_found"] = limits[i].governing_found;
    c["governing"] = limits[i].governing;
    c["governing_by"] = limits[i].governing_check < 0 ? std::string("stop")
                                                      : criteria[limits[i].governing_check].key;
    c["solves"] = limits[i].solves;
    cases.append(c);
  }
  py::dict out;
  out["variable"] = search.limit_field->name;
  out["lo"] = search.limit_lo;
  out["hi"] = search.limit_hi;
  out["cases"] = cases;
  return out;
}

std::string report(DesignRuns& held) {
  const std::vector<report::CaseRun>& runs = held.case_runs();
  py::gil_scoped_release unlocked;
  return report::report_html(held.design, runs, {report::report_today(), TQWEIR_VERSION});
}

}  // namespace

void bind_design(py::module_& m) {
  py::class_<DesignRuns, std::shared_ptr<DesignRuns>>(m, "DesignRuns")
      .def_static("read", &read, py::arg("dir"), py::arg("ranges"))
      .def_property_readonly("case_names", &case_names)
      .def_property_readonly("note", [](const DesignRuns& d) { return d.design.note; })
      .def("__eq__", &same_design)
      .def(py::pickle(&design_state, &design_from_state))
      .def("checks", &checks)
      .def("limit_states", &limit_states, py::arg("threads"))
      .def("report", &report)
      .def("operate", [](const DesignRuns& d, bool lower, const std::optional<std::string>& case_name,
                         const std::optional<double>& within) {
        return operate_design(d.gate, lower, case_name, within);
      }, py::arg("lower"), py::arg("case"), py::arg("within"))
      .def("flood", [](const DesignRuns& d, const std::optional<std::string>& path,
                       const std::vector<double>& hours, const std::vector<double>& flows,
                       bool power_failure, const std::vector<int>& failed) {
        return flood_design(d.gate, {path, hours, flows}, power_failure, failed);
      }, py::arg("path"), py::arg("hours"), py::arg("flows"), py::arg("power_failure"),
         py::arg("failed"))
      .def("fail_table", [](const DesignRuns& d, const std::optional<std::string>& path,
                            const std::vector<double>& hours, const std::vector<double>& flows,
                            const std::optional<int>& count, const std::optional<bool>& with_power) {
        return fail_table(d.gate, {path, hours, flows}, count, with_power);
      }, py::arg("path"), py::arg("hours"), py::arg("flows"), py::arg("count"), py::arg("power"))
      .def("seek", [](const DesignRuns& d, const std::string& field, double lo, double hi,
                      const std::string& kind, const std::string& until, double target,
                      const std::optional<std::string>& case_name, int pick, double tol, int scan) {
        return seek_design(d.design, field, lo, hi, kind, until, target, case_name, pick, tol, scan);
      }, py::arg("field"), py::arg("lo"), py::arg("hi"), py::arg("kind"), py::arg("until"),
         py::arg("target"), py::arg("case"), py::arg("pick"), py::arg("tol"), py::arg("scan"))
      .def("sealed", [](const DesignRuns& d, const std::string& loads, const std::string& output) {
        return sealed_design(d.design, loads, output);
      }, py::arg("loads"), py::arg("output"))
      .def("rating", [](const DesignRuns& d, double lo, double hi, double step,
                        const std::optional<std::vector<double>>& angles) {
        return rating_design(d.gate, lo, hi, step, angles);
      }, py::arg("lo"), py::arg("hi"), py::arg("step"), py::arg("angles"));
}

}  // namespace python
}  // namespace tqweir
