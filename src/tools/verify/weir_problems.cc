// The weir of several gates against the one gate it is made of: a weir of
// one gate is the one-gate passage to the byte; N identical gates under one
// rule over N times the pond and the inflow move as one and pass N times
// the one gate's discharge; every gate failed is the sealed gate N times
// over; a coefficient curve that is the method's constant changes no
// byte; the highest peak level never falls as more gates fail.
#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "cases/base_case.h"
#include "design/design_checks.h"
#include "flood/flood_passage.h"
#include "flood/hydrograph.h"
#include "flood/route.h"
#include "flood/sealed_gate.h"
#include "operation/operation_file.h"
#include "studies/flood/failed_gates.h"
#include "studies/flood/flood_output.h"
#include "text/input_error.h"
#include "text/number_text.h"
#include "tools/verify/problem.h"

namespace tqweir {
namespace verify {
namespace {

const char kGroup[] = "Weir: several gates, a fixed crest, gates that fail";

// The gate's plant and a flood that lowers the leaf and raises it again
// within the hour (the pond's area and the weir's rows are each problem's).
const char kPlant[] =
    "valve_area,0.00005\nvalve_coefficient,0.6\nblower_curve,0:1.5 100:1.4 200:1.25 250:1.1 300:0\n"
    "lowered_angle,5\n";
const char kRule[] = "lower_at_level,3.14\nraise_at_level,3.12\ninitial_level,3.15\n";
const char kFlood[] = "hours,m3/s\n0,5\n0.03,5\n0.06,60\n0.15,60\n0.2,2\n1,2\n";

operation::OperationFile rows_of(const std::string& text) {
  return operation::read_operation("name,value\n" + text, "operation.csv");
}

flood::Hydrograph times(flood::Hydrograph h, double factor) {
  for (double& q : h.flows) q *= factor;
  return h;
}

// What tqweir-operate --flood prints and writes of `p`: the printout, then
// the series.
std::string outputs(const flood::FloodPassage& p) {
  std::ostringstream out;
  const design::Criteria none;
  operate::print_flood(p, design::make_criteria(none), none.max_upstream_level, false, out);
  return out.str() + operate::flood_series(p, design::make_criteria(none));
}

// The lines in which two outputs differ (a line missing in one counts).
double differing_lines(const std::string& a, const std::string& b) {
  std::istringstream x(a), y(b);
  std::string p, q;
  double count = 0.0;
  while (true) {
    const bool more_x = static_cast<bool>(std::getline(x, p));
    const bool more_y = static_cast<bool>(std::getline(y, q));
    if (!more_x && !more_y) return count;
    if (more_x != more_y || p != q) ++count;
  }
}

// A problem whose value could not be formed: a NOOK row naming why.
Problem failed(Problem p, const std::string& why) {
  p.reference = "not routed: " + why;
  p.value = NAN;
  return p;
}

void byte_problems(std::ostream& out, CaseInput base, const flood::Hydrograph& inflow) {
  // A coefficient other than 1, so that a curve giving it back must give
  // it to the bit, not only as a factor of 1.
  base.syogen.discharge_coefficient = 1.7;
  const std::string rows = std::string(kPlant) + kRule + "pond_area,5000\n";
  const std::string coefficient = text::exact_text(base.syogen.discharge_coefficient);
  Problem one{kGroup, "WR-V-01", "a weir of one gate (gates,1), no crest, no curve: lines of the printout "
              "and series that differ", "the one-gate passage (no gates row)", "identity", 0.0, NAN, false, 0.0};
  Problem curve{kGroup, "WR-V-02", "discharge_coefficient_curve constant at the method's C = 1.7: lines of "
                "the printout and series that differ", "the method's constant coefficient", "identity", 0.0, NAN,
                false, 0.0};
  try {
    flood::SharedPaths paths;
    const std::string plain = outputs(flood::flood_passage(base, rows_of(rows), inflow, false, {}, &paths));
    one.value = differing_lines(
        plain, outputs(flood::flood_passage(base, rows_of(rows + "gates,1\n"), inflow, false, {}, &paths)));
    curve.value = differing_lines(
        plain, outputs(flood::flood_passage(
                   base, rows_of(rows + "discharge_coefficient_curve,1:" + coefficient + " 45:" + coefficient +
                                 " 90:" + coefficient + "\n"),
                   inflow, false, {}, &paths)));
    print_problem(out, one);
    print_problem(out, curve);
  } catch (const std::exception& e) {
    print_problem(out, failed(one, e.what()));
    print_problem(out, failed(curve, e.what()));
  }
}

// Three gates over three times the pond and the inflow, on tolerances
// relative alone (an absolute one would not scale with the storage).
void as_one_problems(std::ostream& out, const CaseInput& base, const flood::Hydrograph& inflow) {
  const std::string rows = std::string(kPlant) + kRule;
  Problem alike{kGroup, "WR-V-03", "3 identical gates, one rule: largest difference of a gate's angle "
                "(degree) or air (m3/m) from gate 1's, every row", "gate 1", "identity", 0.0, NAN, false, 0.0};
  Problem thrice{kGroup, "WR-V-04", "3 gates over 3x the pond and inflow: largest abs(Q - 3 Q1) / max 3 Q1 "
                 "over the series", "3 x the one gate's discharge, pond 5000 m2", "scaling", 0.0, NAN, false,
                 1e-5};
  try {
    flood::PassageSettings relative;
    relative.route.absolute_tolerance = 0.0;
    flood::SharedPaths paths;
    const flood::FloodPassage one =
        flood::flood_passage(base, rows_of(rows + "pond_area,5000\n"), inflow, false, relative, &paths);
    const flood::FloodPassage weir = flood::flood_passage(
        base, rows_of(rows + "pond_area,15000\ngates,3\n"), times(inflow, 3.0), false, relative, &paths);
    if (!one.route.finished || !weir.route.finished) throw std::runtime_error("a route stops");
    if (weir.route.points.size() != one.route.points.size()) throw std::runtime_error("the series differ in rows");
    double apart = 0.0, off = 0.0, largest = 0.0;
    for (std::size_t k = 0; k < weir.route.points.size(); ++k) {
      const flood::RoutePoint& p = weir.route.points[k];
      for (std::size_t g = 1; g < weir.gates.size(); ++g) {
        apart = std::max({apart, std::fabs(weir.gates[g].states[k].theta1_deg - weir.gates[0].states[k].theta1_deg),
                          std::fabs(p.airs[g] - p.airs[0])});
      }
      off = std::max(off, std::fabs(p.outflow - 3.0 * one.route.points[k].outflow));
      largest = std::max(largest, 3.0 * one.route.points[k].outflow);
    }
    alike.value = apart;
    thrice.value = off / largest;
    print_problem(out, alike);
    print_problem(out, thrice);
  } catch (const std::exception& e) {
    print_problem(out, failed(alike, e.what()));
    print_problem(out, failed(thrice, e.what()));
  }
}

// Every gate of two failed against two sealed gates routed over the pond.
void all_failed_problem(std::ostream& out, const CaseInput& base, const flood::Hydrograph& inflow) {
  Problem p{kGroup, "WR-V-05", "2 gates, both failed: largest level difference over the series (m)",
            "2 sealed gates (the bag shut on its air) routed over the pond", "identity of models", 0.0, NAN,
            false, 1e-9};
  try {
    const operation::OperationFile file = rows_of(std::string(kPlant) + kRule + "pond_area,5000\ngates,2\n");
    const flood::FloodPassage all =
        flood::flood_passage(base, file, inflow, false, {}, nullptr, {true, true});
    flood::SealedGate sealed(base);
    const flood::Pond pond = flood::Pond::from_area(file.pond_area.value);
    flood::RouteInput in;
    in.inflow = &inflow;
    in.pond = &pond;
    in.gates = {&sealed, &sealed};
    in.start_level = all.start_level;
    in.start_airs = {sealed.air(), sealed.air()};
    flood::RouteSettings settings;
    settings.output_step = flood::PassageSettings().output_step;
    const flood::Route held = flood::route(in, settings);
    if (!all.route.finished || !held.finished) throw std::runtime_error("a route stops");
    if (held.points.size() != all.route.points.size()) throw std::runtime_error("the series differ in rows");
    double off = 0.0;
    for (std::size_t k = 0; k < held.points.size(); ++k) {
      off = std::max(off, std::fabs(all.route.points[k].level - held.points[k].level));
    }
    p.value = off;
    print_problem(out, p);
  } catch (const std::exception& e) {
    print_problem(out, failed(p, e.what()));
  }
}

// Four gates lowering in sequence, every choice of K failed: the highest
// peak per K, and how many times it falls from one K to the next.
void monotone_problem(std::ostream& out, const CaseInput& base) {
  Problem p{kGroup, "WR-V-06", "4 gates, every choice of K failed, K = 0..4 both ways: times the highest "
            "peak level falls as K grows", "peak levels never fall as gates fail", "property", 0.0, NAN,
            false, 0.0};
  try {
    operate::FloodJob job;
    job.base = base;
    job.file = rows_of(std::string(kPlant) +
                       "pond_area,20000\ngates,4\nblowers,2\nlower_at_levels,3.14 3.15 3.16 3.17\n"
                       "backup_lower_at_levels,3.2\nraise_at_level,3.12\ninitial_level,3.13\n");
    job.inflow = flood::read_hydrograph("hours,m3/s\n0,10\n0.03,10\n0.06,160\n0.15,160\n0.2,8\n1,8\n",
                                        "inflow.csv");
    const std::vector<operate::FailedRow> rows = operate::failed_table(job);
    std::vector<std::vector<std::string>> cells;
    double falls = 0.0;
    for (std::size_t r = 0; r + 1 < rows.size(); r += 2) {
      if (!rows[r].determined || !rows[r + 1].determined) throw std::runtime_error(rows[r].stop + rows[r + 1].stop);
      cells.push_back({std::to_string(rows[r].failed), fmt_g(rows[r].peak_level, 6),
                       operate::gates_text(rows[r].worst), fmt_g(rows[r + 1].peak_level, 6),
                       operate::gates_text(rows[r + 1].worst)});
      if (r >= 2) {
        falls += rows[r].peak_level < rows[r - 2].peak_level ? 1.0 : 0.0;
        falls += rows[r + 1].peak_level < rows[r - 1].peak_level ? 1.0 : 0.0;
      }
    }
    p.value = falls;
    print_problem(out, p);
    print_table(out, kGroup, "Highest peak level (m) over every choice of K failed gates of 4",
                {"K", "with power", "worst choice", "without power", "worst choice"}, cells);
  } catch (const std::exception& e) {
    print_problem(out, failed(p, e.what()));
  }
}

}  // namespace

void weir_problems(std::ostream& out, const std::string& case_dir) {
  try {
    const CaseInput base = cases::read_base_case(case_dir).input;
    const flood::Hydrograph inflow = flood::read_hydrograph(kFlood, "inflow.csv");
    byte_problems(out, base, inflow);
    as_one_problems(out, base, inflow);
    all_failed_problem(out, base, inflow);
    monotone_problem(out, base);
  } catch (const text::InputError& e) {
    print_problem(out, failed({kGroup, "WR-V-00", "the weir's base case", "", "", 0.0, NAN, false, 0.0},
                              e.what()));
  }
}

}  // namespace verify
}  // namespace tqweir
