// A sweep from Python: the table of cases read by the sweep's own reader,
// solved by its workers with the interpreter released, and its result
// table as tqweir-sweep writes it.
#include "bindings.h"
#include "cases/case_table.h"
#include "studies/sweep/sweep_study.h"

namespace py = pybind11;

namespace tqweir {
namespace python {
namespace {

// `cases_csv` is a CASES.csv text (header of field names, a row per case),
// named `source` in messages. Returns RESULT.csv's bytes.
py::bytes sweep_table(const CaseInput& base, const std::string& cases_csv,
                      const std::string& source, int threads) {
  sweep::SweepRequest request;
  request.base = base;
  request.cases = cases::read_case_table(cases_csv, source);
  request.threads = threads;
  std::string result;
  {
    py::gil_scoped_release unlocked;
    result = sweep::run_sweep(request, {}).table;
  }
  return py::bytes(result);
}

}  // namespace

void bind_sweep(py::module_& m) {
  m.def("sweep_table", &sweep_table, py::arg("base"), py::arg("cases_csv"), py::arg("source"),
        py::arg("threads"), "RESULT.csv of the cases laid over `base`.");
}

}  // namespace python
}  // namespace tqweir
