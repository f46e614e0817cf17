// tqweir-seek from Python: the command line's own options, plan and
// search; the picking of an edge and the answer's shape are the package's.
#include <sstream>

#include <pybind11/stl.h>

#include "bindings.h"
#include "design/design_checks.h"
#include "search/bracket_search.h"
#include "search/case_probe.h"
#include "text/input_error.h"
#include "text/summary_text.h"
#include "tools/seek/seek_command.h"
#include "tools/seek/seek_options.h"
#include "tools/seek/seek_plan.h"

namespace py = pybind11;

namespace tqweir {
namespace python {
namespace {

// The options as the command parses its arguments, so that every check
// and message is the command's.
seek::SeekOptions parse(const std::vector<std::string>& args) {
  std::vector<const char*> argv{"tqweir-seek"};
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  return seek::parse_seek_options(static_cast<int>(argv.size()), argv.data());
}

py::dict sample(const search::Sample& s, double target) {
  py::dict d;
  d["x"] = s.x;
  d["finished"] = s.finished;
  d["reached"] = s.finished ? py::cast(s.excess + target) : py::none();
  d["status"] = s.finished ? std::string("ok") : message_key(static_cast<Message>(s.stop));
  d["message"] = s.finished ? std::string() : message_utf8(static_cast<Message>(s.stop));
  return d;
}

py::dict edge(const search::Edge& e, double target) {
  py::dict d;
  d["kind"] = e.kind == search::EdgeKind::crossing ? "crossing" : "boundary";
  d["lo"] = sample(e.lo, target);
  d["hi"] = sample(e.hi, target);
  d["value"] = sample(search::edge_value(e), target);
  d["refined"] = e.refined;
  d["interrupted"] = e.interrupted;
  if (e.interrupted) d["inside"] = sample(e.inside, target);
  d["solves"] = e.solves;
  return d;
}

// The search of tqweir-seek's arguments `args` (CASE_DIR --vary ... --until
// ...): the plan, every sample and edge, and the printed fields of each
// finished solve by the value tried.
py::dict seek_search(const std::vector<std::string>& args) {
  const seek::SeekOptions options = parse(args);
  if (!options.sealed.empty()) throw text::InputError("--sealed is tqweir.sealed");
  const seek::SeekPlan plan = seek::make_seek_plan(options);
  search::SearchSettings settings;
  settings.scan_intervals = options.scan;
  settings.tolerance = options.tolerance;
  const bool stop = plan.kind == seek::SeekKind::stop;
  search::SummaryLog log;
  search::SearchResult result;
  {
    py::gil_scoped_release unlocked;
    result = search::search_range(search::case_probe(plan.input, *plan.field, plan.goal, &log), plan.lo,
                                  plan.hi, stop ? search::Target::boundaries : search::Target::crossings,
                                  settings);
  }
  const double target = plan.goal.target;
  py::dict out;
  out["field"] = plan.field->name;
  out["lo"] = plan.lo;
  out["hi"] = plan.hi;
  out["kind"] = stop ? "stop" : plan.kind == seek::SeekKind::criterion ? "criterion" : "result";
  out["until"] = plan.until;
  out["target"] = target;
  out["result_column"] = stop ? std::string() : summary_field(plan.goal.field).column;
  out["result_index"] = summary_index(plan.goal.field);
  out["limit"] = plan.kind == seek::SeekKind::criterion ? plan.criterion.limit_text : std::string();
  out["pick"] = options.pick;
  out["solves"] = result.solves;
  py::list scan, edges;
  for (const search::Sample& s : result.scan) scan.append(sample(s, target));
  for (const search::Edge& e : result.edges) edges.append(edge(e, target));
  out["scan"] = scan;
  out["edges"] = edges;
  py::dict printed;
  for (const auto& [x, line] : log) printed[py::float_(x)] = text::summary_field_texts(line);
  out["printed"] = printed;
  if (plan.kind == seek::SeekKind::criterion) {
    const design::Criterion criterion = plan.criterion;
    out["ratio_of"] = py::cpp_function([criterion](const std::string& text) {
      return design::check_printed(text, criterion).ratio;
    });
  }
  return out;
}

// tqweir-seek --sealed: writes the command's table to `output` and returns
// its closing line.
std::string sealed_table(const std::string& dir, const std::string& range, const std::string& output) {
  const seek::SeekOptions options = parse({dir, "--sealed", range, "-o", output});
  std::ostringstream out, err;
  int status = 0;
  {
    py::gil_scoped_release unlocked;
    status = seek::run_sealed(options, out, err);
  }
  if (status != 0) throw text::InputError(err.str());
  return out.str();
}

}  // namespace

void bind_seek(py::module_& m) {
  m.def("seek_search", &seek_search, py::arg("args"));
  m.def("sealed_table", &sealed_table, py::arg("dir"), py::arg("range"), py::arg("output"));
}

}  // namespace python
}  // namespace tqweir
