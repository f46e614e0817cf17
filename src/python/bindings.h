// The parts of the compiled module _tqweir, each bound by a file of its
// own; module.cc puts them together. The Python package tqweir wraps them
// (tables as pandas DataFrames, arrays as numpy arrays).
#ifndef TQWEIR_PYTHON_BINDINGS_H_
#define TQWEIR_PYTHON_BINDINGS_H_

#include <optional>
#include <string>
#include <vector>

#include <pybind11/pybind11.h>

#include "core/input_fields.h"
#include "core/run_state.h"

namespace tqweir {
namespace design {
struct Design;
}  // namespace design
namespace operate {
struct OperatedDesign;
}  // namespace operate

namespace python {

// CaseInput as a class with fields by name, the folder reader, the tables
// of input and summary fields.
void bind_case(pybind11::module_& m);
// solve: one case in memory, its files, results and coordinates.
void bind_run(pybind11::module_& m);
// sweep_table: the sweep's result table of a table of cases.
void bind_sweep(pybind11::module_& m);
// Design: a design folder, its checks, limit states and report.
void bind_design(pybind11::module_& m);
// seek_search and sealed_table: tqweir-seek's searches.
void bind_seek(pybind11::module_& m);
// risk_here, risk_paths, risk_block, risk_merge: a design's flood risk in
// this process or in blocks of events (risk_binding.cc).
void bind_risk(pybind11::module_& m);

// seek_search on a design already read: its base case, load cases and
// criteria as held, no file read again (seek_binding.cc).
pybind11::dict seek_design(const design::Design& design, const std::string& field, double lo, double hi,
                           const std::string& kind, const std::string& until, double target,
                           const std::optional<std::string>& case_name, int pick, double tol, int scan);

// sealed_table on the base case of a design already read: writes the
// table to `output`, returns the command's closing line.
std::string sealed_design(const design::Design& design, const std::string& loads,
                          const std::string& output);

// The lowering (`lower`) or raising of load case `case_name` (none: the
// base case) of `design`, with the sizing for `within` minutes when given:
// the printout, the exit status, the table's bytes and the findings by
// name (operation_binding.cc). Throws text::InputError as the command
// refuses its input, in the keywords' words (case=..., within=...).
pybind11::dict operate_design(const operate::OperatedDesign& design, bool lower,
                              const std::optional<std::string>& case_name,
                              const std::optional<double>& within);

// A hydrograph as Python gives it: a CSV's path, or the rows' hours and
// m3/s as numbers.
struct InflowGiven {
  std::optional<std::string> path;
  std::vector<double> hours, flows;
};

// The flood `inflow` through `design`'s pond, with power or without
// (`power_failure`), the gates numbered `failed` (from 1) failed: the
// flood's printout, exit status, series bytes and findings
// (flood_binding.cc). Throws text::InputError as the command refuses its
// input; numbers given as data are refused by row and column name by the
// file's rules, a gate in the keyword's words (failed=[...]).
pybind11::dict flood_design(const operate::OperatedDesign& design, const InflowGiven& inflow,
                            bool power_failure, const std::vector<int>& failed);

// The rows of tqweir-operate --fail-count: the highest peak with K gates
// failed for K = 0 to `count` (none: every gate), with power and without
// (`with_power`: only those rows), each a dict of the row's numbers and its
// printed line. Throws text::InputError as flood_design, and for a count
// below 0 or above the weir's gates in the keyword's words (count=...).
pybind11::list fail_table(const operate::OperatedDesign& design, const InflowGiven& inflow,
                          const std::optional<int>& count, const std::optional<bool>& with_power);

// tqweir-operate's --rating table (its bytes) on `design` at the upstream
// levels lo, lo + step, ... up to hi (m; see rating_levels in
// flood_binding.cc for how they are formed), for the leaf held at each of
// `angles` (degree; none: the base case's) and the sealed bag. Throws
// text::InputError in Python's words (the keyword, the value, what it must
// be) for a number not finite, step not above 0, hi below lo, more than
// operate::kMaxRatingLevels levels or angles, an empty list of angles.
pybind11::bytes rating_design(const operate::OperatedDesign& design, double lo, double hi, double step,
                              const std::optional<std::vector<double>>& angles);

// Equal as values: the same bits in every number (a NaN equal to itself),
// for the __eq__ of what pickles.
bool same_bits(const std::vector<double>& a, const std::vector<double>& b);
bool same_case(const CaseInput& a, const CaseInput& b);

// The input field `name`; text::InputError naming the choices otherwise.
const InputField& named_field(const std::string& name);

}  // namespace python
}  // namespace tqweir

#endif  // TQWEIR_PYTHON_BINDINGS_H_
