// A case as values: the 21 input fields by the core's names and the leaf
// profile, read from a folder as the tools read a base case.
#include <cmath>
#include <climits>
#include <utility>
#include <vector>

#include <pybind11/stl.h>

#include "bindings.h"
#include "cases/base_case.h"
#include "core/summary_fields.h"
#include "text/input_error.h"
#include "text/number_text.h"

namespace py = pybind11;

namespace tqweir {
namespace python {
namespace {

using Points = std::vector<std::pair<double, double>>;

Points get_points(const CaseInput& input) {
  Points points;
  for (const ProfilePoint& p : input.points) points.emplace_back(p.x, p.y);
  return points;
}

void set_points(CaseInput& input, const Points& points) {
  input.points.clear();
  for (const auto& [x, y] : points) input.points.push_back({x, y});
}

// overflow_mode is read as a whole number within int; anything else is
// refused here, as the table readers refuse it, and a real field takes any
// double (a non-finite one stops the run where the reader would stop it).
void set_named(CaseInput& input, const std::string& name, double value) {
  const InputField& field = named_field(name);
  if (is_integer_field(field) &&
      !(std::floor(value) == value && value >= INT_MIN && value <= INT_MAX)) {
    throw text::InputError(std::string(field.name) + ": " + text::exact_text(value) +
                           " is not a whole number within int");
  }
  std::string why;
  if (!field_value_allowed(field, value, why)) {
    throw text::InputError(std::string(field.name) + ": " + text::exact_text(value) + " " + why);
  }
  set_field_value(field, value, input);
}

py::list input_field_table() {
  py::list rows;
  for (const InputField& f : input_fields()) {
    rows.append(py::make_tuple(f.name, input_file_name(f.file), f.position, f.unit, f.meaning_en,
                               is_integer_field(f)));
  }
  return rows;
}

py::list summary_field_table() {
  py::list rows;
  for (const SummaryField& f : summary_fields()) {
    rows.append(py::make_tuple(f.name, f.column, f.unit, f.format, f.label_en));
  }
  return rows;
}

}  // namespace

const InputField& named_field(const std::string& name) {
  const InputField* field = find_input_field(name);
  if (field == nullptr) {
    throw text::InputError("unknown input field '" + name + "'; the fields are " +
                           input_field_list());
  }
  return *field;
}

void bind_case(py::module_& m) {
  py::class_<CaseInput>(m, "CaseInput")
      .def(py::init<>())
      .def("get", [](const CaseInput& c, const std::string& name) { return field_value(named_field(name), c); })
      .def("set", &set_named)
      .def_property("points", &get_points, &set_points)
      .def("copy", [](const CaseInput& c) { return CaseInput(c); });
  m.def("read_case_folder", [](const std::string& dir) { return cases::read_base_case(dir).input; },
        "The base case of `dir` as the tools read it.");
  m.def("input_field_table", &input_field_table);
  m.def("summary_field_table", &summary_field_table);
}

}  // namespace python
}  // namespace tqweir
