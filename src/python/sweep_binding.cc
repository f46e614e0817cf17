// A sweep from Python: the table of cases read by the sweep's own reader,
// solved by its workers with the interpreter released, and its result
// table as tqweir-sweep writes it.
#include <thread>

#include "bindings.h"
#include "cases/case_table.h"
#include "studies/sweep/case_outcome.h"
#include "studies/sweep/result_table.h"

namespace py = pybind11;

namespace tqweir {
namespace python {
namespace {

// `cases_csv` is a CASES.csv text (header of field names, a row per case),
// named `source` in messages. Returns RESULT.csv's bytes.
py::bytes sweep_table(const CaseInput& base, const std::string& cases_csv,
                      const std::string& source, int threads) {
  const cases::CaseTable table = cases::read_case_table(cases_csv, source);
  if (threads <= 0) threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  std::string result;
  {
    py::gil_scoped_release unlocked;
    result = sweep::result_table(table, sweep::solve_all(base, table, threads, {}));
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
