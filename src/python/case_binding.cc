// A case as values: the 21 input fields by the core's names and the leaf
// profile, read from a folder as the tools read a base case.
#include <cmath>
#include <climits>
#include <cstring>
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

bool same(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

bool same_bits(const std::vector<double>& a, const std::vector<double>& b) {
  return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

bool same_case(const CaseInput& a, const CaseInput& b) {
  for (const InputField& f : input_fields()) {
    if (!same(field_value(f, a), field_value(f, b))) return false;
  }
  if (a.points.size() != b.points.size() || !same(a.seismic_coefficient, b.seismic_coefficient)) return false;
  for (std::size_t i = 0; i < a.points.size(); ++i) {
    if (!same(a.points[i].x, b.points[i].x) || !same(a.points[i].y, b.points[i].y)) return false;
  }
  return true;
}

namespace {

// A case for pickling: every field's value in the table's order, the
// profile's points and kh; numbers as doubles, so exactly.
py::tuple case_state(const CaseInput& input) {
  std::vector<double> values;
  for (const InputField& f : input_fields()) values.push_back(field_value(f, input));
  return py::make_tuple(values, get_points(input), input.seismic_coefficient);
}

CaseInput case_from_state(const py::tuple& state) {
  const std::vector<double> values = state[0].cast<std::vector<double>>();
  if (state.size() != 3 || values.size() != input_fields().size()) {
    throw text::InputError("not the state of a pickled case");
  }
  CaseInput input;
  for (std::size_t i = 0; i < values.size(); ++i) set_field_value(input_fields()[i], values[i], input);
  set_points(input, state[1].cast<Points>());
  input.seismic_coefficient = state[2].cast<double>();
  return input;
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
      .def("copy", [](const CaseInput& c) { return CaseInput(c); })
      .def("__eq__", &same_case)
      .def(py::pickle(&case_state, &case_from_state));
  m.def("read_case_folder", [](const std::string& dir) { return cases::read_base_case(dir).input; },
        "The base case of `dir` as the tools read it.");
  m.def("input_field_table", &input_field_table);
  m.def("summary_field_table", &summary_field_table);
}

}  // namespace python
}  // namespace tqweir
