// _tqweir: the calculation and the tools' libraries for Python.
#include <pybind11/pybind11.h>

#include "bindings.h"
#include "text/input_error.h"
#include "text/run_results.h"

#ifndef TQWEIR_VERSION
#define TQWEIR_VERSION "unknown"
#endif

PYBIND11_MODULE(_tqweir, m) {
  m.doc() = "tqweir's calculation, sweep, design checks and searches (wrapped by tqweir)";
  m.attr("__version__") = TQWEIR_VERSION;
  // Bad input is a ValueError, as Python's own conversions refuse theirs.
  pybind11::register_exception<tqweir::text::InputError>(m, "InputError", PyExc_ValueError);
  pybind11::register_exception<tqweir::text::RunFilesError>(m, "RunFilesError", PyExc_RuntimeError);
  tqweir::python::bind_case(m);
  tqweir::python::bind_run(m);
  tqweir::python::bind_sweep(m);
  tqweir::python::bind_design(m);
  tqweir::python::bind_seek(m);
  tqweir::python::bind_risk(m);
}
