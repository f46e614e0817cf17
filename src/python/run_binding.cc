// One case solved in memory (driver's run_in_memory, the program's own
// sequence), handed to Python as the files it writes and, when it
// finished, its printed results and coordinates read back, and the
// balance's terms as the solve left them.
#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <string>
#include <utility>

#include "bindings.h"
#include "cases/base_case.h"
#include "cases/case_files.h"
#include "core/file_io.h"
#include "driver/memory_run.h"
#include "section/balance_terms.h"
#include "leaf/leaf_forces.h"
#include "text/input_error.h"
#include "text/run_results.h"

namespace py = pybind11;

namespace tqweir {
namespace python {
namespace {

// Points as an n x 2 array of metres.
py::array_t<double> point_array(const std::vector<text::Point>& points) {
  py::array_t<double> array({static_cast<py::ssize_t>(points.size()), py::ssize_t{2}});
  auto view = array.mutable_unchecked<2>();
  for (std::size_t i = 0; i < points.size(); ++i) {
    view(i, 0) = points[i].x;
    view(i, 1) = points[i].y;
  }
  return array;
}

// suimen.csv's rows as an n x 4 array: x, surface, depth, bed (m).
py::array_t<double> surface_array(const std::vector<text::SurfaceRow>& rows) {
  py::array_t<double> array({static_cast<py::ssize_t>(rows.size()), py::ssize_t{4}});
  auto view = array.mutable_unchecked<2>();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    view(i, 0) = rows[i].x;
    view(i, 1) = rows[i].surface;
    view(i, 2) = rows[i].depth;
    view(i, 3) = rows[i].bed;
  }
  return array;
}

// The balance's terms by name: the moments about the hinge (N m/m), the
// forces (N/m), the bag's pressure (Pa), the stopper's angle (rad).
const std::pair<const char*, double BalanceTerms::*> kBalanceTerms[] = {
    {"upstream", &BalanceTerms::upstream},
    {"downstream", &BalanceTerms::downstream},
    {"layer", &BalanceTerms::layer},
    {"water", &BalanceTerms::water},
    {"weight", &BalanceTerms::weight},
    {"seismic", &BalanceTerms::seismic},
    {"width_factor", &BalanceTerms::width_factor},
    {"loads", &BalanceTerms::loads},
    {"bag", &BalanceTerms::bag},
    {"tip", &BalanceTerms::tip},
    {"stopper", &BalanceTerms::stopper},
    {"residual", &BalanceTerms::residual},
    {"leaf_weight", &BalanceTerms::leaf_weight},
    {"bag_pressure", &BalanceTerms::bag_pressure},
    {"bag_force", &BalanceTerms::bag_force},
    {"chord1_m", &BalanceTerms::chord1_m},
    {"stopper_force", &BalanceTerms::stopper_force},
    {"stopper_angle", &BalanceTerms::stopper_angle},
    {"tip_force", &BalanceTerms::tip_force},
    {"support_force", &BalanceTerms::support_force},
};

// The water's resultants: name_load_v, name_arm_x, name_load_h, name_arm_y.
const std::pair<const char*, Load BalanceTerms::*> kBalanceLoads[] = {
    {"upstream", &BalanceTerms::upstream_load},
    {"downstream", &BalanceTerms::downstream_load},
    {"layer", &BalanceTerms::layer_load},
};

// A run as solved: what it ended with at once, its files and its results
// read back only when asked for, so that a solve whose caller wants one
// number costs the run and no more.
struct SolvedRun {
  CaseInput input;
  MemoryRun run;
  // False for a run unpickled: it holds what Python reads of a run (the
  // outcome, the files, the summary unrounded, the balance) but not the
  // case's whole result, which the leaf's free body solves again.
  bool whole = true;

  py::tuple outcome() const {
    return py::make_tuple(run.exit_status == 0, message_key(run.message), run.text,
                          message_meaning(run.message));
  }

  py::dict files() const {
    py::dict files;
    for (const auto& [name, bytes] : run.files) files[py::str(name)] = py::bytes(bytes);
    return files;
  }

  // The summary of a finished run as printed, read back as every tool
  // reads it, and its values before printing.
  py::dict summary() const {
    require_finished();
    const text::PrintedSummary printed = text::read_printed_summary(run.file("TQSpec.csv"));
    py::dict out;
    out["texts"] = std::vector<std::string>(printed.text.begin(), printed.text.end());
    out["values"] = std::vector<double>(printed.value.begin(), printed.value.end());
    out["unrounded"] = std::vector<double>(run.summary.fields.begin(), run.summary.fields.end());
    return out;
  }

  // The coordinates of a finished run, read back from its files.
  py::dict shapes() const {
    require_finished();
    text::OutputTexts texts;
    text::output_texts(run.files, texts);
    // XYGate.csv shows no floor direction when the stopper's foot is at the
    // hinge; syogen.csv gives it then.
    texts.syogen = cases::exact_case_texts(input, "").syogen;
    const text::RunResults results = text::parse_outputs(texts);
    py::dict out;
    out["leaf"] = point_array(results.leaf);
    out["floor_point"] = point_array({results.floor_point});
    out["stopper"] = point_array({results.stopper_anchor, results.stopper_foot});
    out["bag"] = point_array(results.bag);
    out["surface"] = surface_array(results.surface);
    return out;
  }

  // The balance of a finished run at its converged trial, unrounded.
  py::dict balance() const {
    require_finished();
    const BalanceTerms& terms = run.result.balance;
    py::dict out;
    for (const auto& [name, member] : kBalanceTerms) out[name] = terms.*member;
    for (const auto& [name, member] : kBalanceLoads) {
      const Load& load = terms.*member;
      const std::string key(name);
      out[py::str(key + "_load_v")] = load.load_v;
      out[py::str(key + "_arm_x")] = load.arm_x;
      out[py::str(key + "_load_h")] = load.load_h;
      out[py::str(key + "_arm_y")] = load.arm_y;
    }
    return out;
  }

  // The leaf as a free body of the finished run: its stations from the
  // hinge to the tip as an n x 6 array (s, x, y in m; N, V in kN/m; M in
  // kN m/m) and the hinge's reaction on the leaf (kN/m, degrees).
  py::dict leaf_forces() const {
    require_finished();
    const leaf::LeafForces forces = leaf::leaf_forces(whole ? run.result : run_in_memory(input).result);
    const std::vector<leaf::Station>& stations = forces.internal.stations;
    py::array_t<double> array({static_cast<py::ssize_t>(stations.size()), py::ssize_t{6}});
    auto view = array.mutable_unchecked<2>();
    for (std::size_t i = 0; i < stations.size(); ++i) {
      const leaf::Station& st = stations[stations.size() - 1 - i];
      const double row[] = {st.s, st.at.x, st.at.y, st.N / 1000.0, st.V / 1000.0, st.M / 1000.0};
      for (py::ssize_t k = 0; k < 6; ++k) view(static_cast<py::ssize_t>(i), k) = row[k];
    }
    py::dict reaction;
    reaction["horizontal"] = forces.reaction.force.x / 1000.0;
    reaction["vertical"] = forces.reaction.force.y / 1000.0;
    reaction["size"] = forces.reaction.size / 1000.0;
    reaction["direction_deg"] = forces.reaction.angle_deg;
    py::dict out;
    out["stations"] = array;
    out["hinge_reaction"] = reaction;
    return out;
  }

  void require_finished() const {
    if (run.exit_status != 0) throw text::RunFilesError("the run stopped: " + message_meaning(run.message));
  }
};

// The balance's terms in the order of kBalanceTerms, then each load's four.
std::vector<double> balance_values(const BalanceTerms& terms) {
  std::vector<double> values;
  for (const auto& entry : kBalanceTerms) values.push_back(terms.*entry.second);
  for (const auto& entry : kBalanceLoads) {
    const Load& load = terms.*entry.second;
    values.insert(values.end(), {load.load_v, load.arm_x, load.load_h, load.arm_y});
  }
  return values;
}

BalanceTerms balance_of(const std::vector<double>& values) {
  BalanceTerms terms;
  std::size_t k = 0;
  for (const auto& entry : kBalanceTerms) terms.*entry.second = values.at(k++);
  for (const auto& entry : kBalanceLoads) {
    Load& load = terms.*entry.second;
    for (double* part : {&load.load_v, &load.arm_x, &load.load_h, &load.arm_y}) *part = values.at(k++);
  }
  return terms;
}

// A run for pickling: the case, the outcome, the files, the summary's
// values unrounded and the balance, every number as a double.
py::tuple run_state(const SolvedRun& solved) {
  const MemoryRun& run = solved.run;
  py::dict files;
  for (const auto& [name, bytes] : run.files) files[py::str(name)] = py::bytes(bytes);
  return py::make_tuple(solved.input, run.exit_status, static_cast<int>(run.message), run.text, files,
                        std::vector<double>(run.summary.fields.begin(), run.summary.fields.end()),
                        balance_values(run.result.balance));
}

SolvedRun run_from_state(const py::tuple& state) {
  if (state.size() != 7) throw text::InputError("not the state of a pickled run");
  SolvedRun solved{state[0].cast<CaseInput>(), {}, false};
  MemoryRun& run = solved.run;
  run.exit_status = state[1].cast<int>();
  run.message = static_cast<Message>(state[2].cast<int>());
  run.text = state[3].cast<std::string>();
  for (const auto& [name, bytes] : state[4].cast<py::dict>()) {
    run.files[name.cast<std::string>()] = bytes.cast<std::string>();
  }
  const std::vector<double> fields = state[5].cast<std::vector<double>>();
  if (fields.size() != run.summary.fields.size()) throw text::InputError("not the state of a pickled run");
  std::copy(fields.begin(), fields.end(), run.summary.fields.begin());
  run.result.balance = balance_of(state[6].cast<std::vector<double>>());
  return solved;
}

bool same_run(const SolvedRun& a, const SolvedRun& b) {
  const std::vector<double> fields_a(a.run.summary.fields.begin(), a.run.summary.fields.end());
  const std::vector<double> fields_b(b.run.summary.fields.begin(), b.run.summary.fields.end());
  return same_case(a.input, b.input) && a.run.exit_status == b.run.exit_status &&
         a.run.message == b.run.message && a.run.text == b.run.text && a.run.files == b.run.files &&
         same_bits(fields_a, fields_b) &&
         same_bits(balance_values(a.run.result.balance), balance_values(b.run.result.balance));
}

SolvedRun solve(const CaseInput& input) {
  SolvedRun solved{input, {}};
  py::gil_scoped_release unlocked;
  solved.run = run_in_memory(input);
  return solved;
}

// An OSError for Python: the file system refused, not the input.
[[noreturn]] void os_error(const std::string& what) {
  PyErr_SetString(PyExc_OSError, what.c_str());
  throw py::error_already_set();
}

// Writes a run's files into `dir` together (each whole or not at all),
// never onto the folder's input files nor onto anything but a regular file;
// only the names a run writes are taken, so no name leads out of `dir`.
void write_files(const std::string& dir, const std::map<std::string, std::string>& files) {
  const std::vector<std::string> inputs = cases::base_case_paths(dir);
  FileBatch batch;
  for (const auto& [name, bytes] : files) {
    bool output = name == "error.csv";
    for (const text::OutputFile& file : text::kOutputFiles) output = output || name == file.name;
    if (!output) throw text::InputError("'" + name + "' is not a file a run writes");
    const std::string path = join_path(dir, name);
    const std::string refusal = output_refusal(path, inputs);
    if (!refusal.empty()) throw text::InputError(refusal);
    if (!batch.add(path, bytes)) os_error("cannot write " + path);
  }
  std::string failed;
  if (!batch.commit(failed)) os_error("cannot write " + failed);
}

}  // namespace

void bind_run(py::module_& m) {
  py::class_<SolvedRun>(m, "SolvedRun")
      .def("outcome", &SolvedRun::outcome, "finished, status key, message (UTF-8), meaning (English)")
      .def("files", &SolvedRun::files, "every file written, by name, as bytes")
      .def("summary", &SolvedRun::summary, "a finished run's summary: texts, values, unrounded")
      .def("shapes", &SolvedRun::shapes, "a finished run's coordinates as arrays (m)")
      .def("balance", &SolvedRun::balance, "a finished run's balance term by term, unrounded")
      .def("leaf_forces", &SolvedRun::leaf_forces, "a finished run's leaf as a free body: stations, hinge_reaction")
      .def("__eq__", &same_run)
      .def(py::pickle(&run_state, &run_from_state));
  m.def("solve", &solve, "The run of one case in memory.");
  m.def("write_files", &write_files, "Writes files (name -> bytes) into a folder.");
}

}  // namespace python
}  // namespace tqweir
