// What the Python class Design holds: the design (with its operation.csv,
// read with it) and, once asked for, the runs of its cases. Its files are
// kept as read, so that it pickles by their bytes (design_binding.cc) and
// the studies bound in other files read it without its folder.
#ifndef TQWEIR_PYTHON_DESIGN_RUNS_H_
#define TQWEIR_PYTHON_DESIGN_RUNS_H_

#include <string>
#include <vector>

#include <pybind11/pybind11.h>

#include "design/design.h"
#include "studies/operation/operated_design.h"
#include "studies/report/case_run.h"
#include "studies/report/report_document.h"

namespace tqweir {
namespace python {

struct DesignRuns {
  std::vector<std::string> ranges;  // as read with
  design::Design design;
  operate::OperatedDesign gate;
  std::vector<report::CaseRun> runs;
  bool ran = false;

  const std::vector<report::CaseRun>& case_runs() {
    if (!ran) {
      pybind11::gil_scoped_release unlocked;
      runs = report::run_design(design);
      ran = true;
    }
    return runs;
  }
};

}  // namespace python
}  // namespace tqweir

#endif  // TQWEIR_PYTHON_DESIGN_RUNS_H_
