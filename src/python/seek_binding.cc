// The seek and the sealed curve from Python: the keywords as the request's
// fields, a refused value in the keyword's words; the picking of an edge and
// the answer's shape are the package's.
#include <pybind11/stl.h>

#include "bindings.h"
#include "core/file_io.h"
#include "design/design_checks.h"
#include "search/bracket_search.h"
#include "search/case_probe.h"
#include "studies/seek/sealed_curve.h"
#include "studies/seek/seek_plan.h"
#include "text/input_error.h"
#include "text/summary_text.h"

namespace py = pybind11;

namespace tqweir {
namespace python {
namespace {

using seek::SeekInput;
using seek::SeekRefusal;

std::string shown(const py::handle& value) { return py::repr(value).cast<std::string>(); }

// A refusal of the seek's request as the caller wrote it: the keyword, its
// value, and the reason the command line gives.
text::InputError seek_refusal(const SeekRefusal& refusal, const seek::SeekRequest& request) {
  const std::string why = refusal.what();
  const std::string vary = "vary=" + shown(py::make_tuple(request.field, request.lo, request.hi)) + ": ";
  const std::string until = "until=" + (request.kind == seek::SeekKind::result
                                            ? shown(py::make_tuple(request.until, request.target))
                                            : shown(py::str(request.until)));
  switch (refusal.which()) {
    case SeekInput::field:
    case SeekInput::range: return text::InputError(vary + why);
    case SeekInput::criteria: return text::InputError(why + " " + until);
    case SeekInput::load_case:
      return text::InputError("case=" + shown(py::str(request.case_name)) + ": " + why);
    case SeekInput::pick: return text::InputError("pick=" + std::to_string(request.pick) + ": " + why);
    case SeekInput::scan: return text::InputError("scan=" + std::to_string(request.scan) + ": " + why);
    case SeekInput::tolerance:
      return text::InputError("tol=" + shown(py::float_(request.tolerance)) + ": " + why);
    case SeekInput::target: return text::InputError(until + ": the target " + why);
    default: return text::InputError(until + ": " + why);
  }
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

// The seek's kind from the word of `until`: "stop", a criterion's name, or
// a result with its target.
seek::SeekKind seek_kind(const std::string& kind) {
  if (kind == "stop") return seek::SeekKind::stop;
  return kind == "criterion" ? seek::SeekKind::criterion : seek::SeekKind::result;
}

seek::SeekRequest seek_request(const std::string& dir, const std::string& field, double lo, double hi,
                               const std::string& kind, const std::string& until, double target,
                               const std::optional<std::string>& case_name, int pick, double tol,
                               int scan) {
  seek::SeekRequest request;
  request.dir = dir;
  request.field = field;
  request.lo = lo;
  request.hi = hi;
  request.kind = seek_kind(kind);
  request.until = until;
  request.target = target;
  request.has_case = case_name.has_value();
  request.case_name = case_name.value_or("");
  request.pick = pick;
  request.tolerance = tol;
  request.scan = scan;
  return request;
}

// The search of `request` on the plan `plan_of` makes: the plan, every
// sample and edge, and the printed fields of each finished solve by the
// value tried.
template <class PlanOf>
py::dict seek_answer(const seek::SeekRequest& request, PlanOf plan_of) {
  seek::SeekPlan plan;
  try {
    plan = plan_of();
  } catch (const SeekRefusal& refusal) {
    throw seek_refusal(refusal, request);
  }
  seek::SeekSearch found;
  {
    py::gil_scoped_release unlocked;
    found = seek::search_seek(plan, request, false);
  }
  const search::SearchResult& result = found.result;
  const bool stop = plan.kind == seek::SeekKind::stop;
  const double goal = plan.goal.target;
  py::dict out;
  out["field"] = plan.field->name;
  out["lo"] = plan.lo;
  out["hi"] = plan.hi;
  out["kind"] = stop ? "stop" : plan.kind == seek::SeekKind::criterion ? "criterion" : "result";
  out["until"] = plan.until;
  out["target"] = goal;
  out["result_column"] = stop ? std::string() : summary_field(plan.goal.field).column;
  out["result_index"] = summary_index(plan.goal.field);
  out["limit"] = plan.kind == seek::SeekKind::criterion ? plan.criterion.limit_text : std::string();
  out["pick"] = request.pick;
  out["solves"] = result.solves;
  py::list scanned, edges;
  for (const search::Sample& s : result.scan) scanned.append(sample(s, goal));
  for (const search::Edge& e : result.edges) edges.append(edge(e, goal));
  out["scan"] = scanned;
  out["edges"] = edges;
  py::dict printed;
  for (const auto& [x, line] : found.log) printed[py::float_(x)] = text::summary_field_texts(line);
  out["printed"] = printed;
  if (plan.kind == seek::SeekKind::criterion) {
    const design::Criterion criterion = plan.criterion;
    out["ratio_of"] = py::cpp_function([criterion](const std::string& text) {
      return design::check_printed(text, criterion).ratio;
    });
  }
  return out;
}

// The sealed curve of `plan_of`'s case at the levels `loads`
// ("FIELD=FROM:TO:STEP"): writes the table to `output` and returns the
// closing line.
template <class PlanOf>
std::string sealed_answer(const std::string& loads, const std::string& output, PlanOf plan_of) {
  seek::SealedPlan plan;
  try {
    plan = plan_of();
  } catch (const SeekRefusal& refusal) {
    throw text::InputError("loads=" + shown(py::str(loads)) + ": " + refusal.what());
  }
  seek::SealedResult result;
  {
    py::gil_scoped_release unlocked;
    result = seek::sealed_study(plan);
  }
  if (!write_file(output, seek::sealed_table(result))) throw text::InputError("cannot write " + output);
  return seek::sealed_summary(result, output);
}

py::dict seek_search(const std::string& dir, const std::string& field, double lo, double hi,
                     const std::string& kind, const std::string& until, double target,
                     const std::optional<std::string>& case_name, int pick, double tol, int scan) {
  const seek::SeekRequest request =
      seek_request(dir, field, lo, hi, kind, until, target, case_name, pick, tol, scan);
  return seek_answer(request, [&] { return seek::make_seek_plan(request); });
}

std::string sealed_table(const std::string& dir, const std::string& loads, const std::string& output) {
  return sealed_answer(loads, output, [&] { return seek::plan_sealed(seek::sealed_request(dir, loads)); });
}

}  // namespace

py::dict seek_design(const design::Design& design, const std::string& field, double lo, double hi,
                     const std::string& kind, const std::string& until, double target,
                     const std::optional<std::string>& case_name, int pick, double tol, int scan) {
  const seek::SeekRequest request =
      seek_request(design.dir, field, lo, hi, kind, until, target, case_name, pick, tol, scan);
  return seek_answer(request, [&] { return seek::make_seek_plan(request, design); });
}

std::string sealed_design(const design::Design& design, const std::string& loads,
                          const std::string& output) {
  return sealed_answer(loads, output, [&] {
    return seek::plan_sealed(seek::sealed_request(design.dir, loads), design.base);
  });
}

void bind_seek(py::module_& m) {
  m.def("seek_search", &seek_search, py::arg("dir"), py::arg("field"), py::arg("lo"), py::arg("hi"),
        py::arg("kind"), py::arg("until"), py::arg("target"), py::arg("case"), py::arg("pick"),
        py::arg("tol"), py::arg("scan"));
  m.def("sealed_table", &sealed_table, py::arg("dir"), py::arg("loads"), py::arg("output"));
}

}  // namespace python
}  // namespace tqweir
