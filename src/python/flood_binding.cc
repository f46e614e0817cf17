// The design flood and the rating from Python: the passage routed by the
// study once, its printout, the series' bytes and the findings the
// printout words, by name; the rating's table bytes, its levels formed
// from Python's floats.
#include <cmath>
#include <sstream>

#include <pybind11/stl.h>

#include "bindings.h"
#include "cases/range_spec.h"
#include "flood/flood_passage.h"
#include "flood/rating.h"
#include "flood/route_stop.h"
#include "text/input_error.h"
#include "text/number_text.h"
#include "studies/flood/failed_gates.h"
#include "studies/flood/flood_job.h"
#include "studies/flood/flood_output.h"
#include "studies/flood/routed_flood.h"

namespace py = pybind11;

namespace tqweir {
namespace python {
namespace {

// A float as Python shows it, for refusals in Python's words.
std::string shown(double x) { return py::repr(py::float_(x)).cast<std::string>(); }

std::string keyword(const char* name, double x) { return std::string(name) + "=" + shown(x); }

void refuse_unless_finite(const char* name, double x) {
  if (!std::isfinite(x)) throw text::InputError("rating: " + keyword(name, x) + " is not a finite number");
}

std::string too_many_levels(double lo, double hi, double step) {
  return "rating: " + keyword("lo", lo) + " to " + keyword("hi", hi) + " in steps of " +
         keyword("step", step) + " gives more than " + std::to_string(operate::kMaxRatingLevels) +
         " levels";
}

// The levels of lo, lo + step, ... up to hi. When the three as Python shows
// them are decimals --rating takes (0.1, 2.5, 0.00001), the levels are
// --rating's: formed in exact decimals, so that 0.1 steps reach 0.3 and
// not 0.30000000000000004, and the table is the command's. Otherwise (1/3,
// 0.1*3) lo + k*step in doubles, while within a billionth of a step of hi,
// the last one hi itself when that close.
std::vector<double> rating_levels(double lo, double hi, double step) {
  std::optional<cases::RangeSpec> range;
  try {
    range = cases::parse_range("upstream_level=" + text::exact_text(lo) + ":" +
                               text::exact_text(hi) + ":" + text::exact_text(step));
  } catch (const text::InputError&) {
    // Digits --rating does not take: the doubles below.
  }
  if (range) {
    if (range->texts.size() > operate::kMaxRatingLevels) {
      throw text::InputError(too_many_levels(lo, hi, step));
    }
    return cases::range_values(*range->field, range->texts);
  }
  std::vector<double> levels;
  const double slack = step * 1e-9;
  for (std::size_t k = 0;; ++k) {
    double level = lo + static_cast<double>(k) * step;
    if (!(level <= hi + slack)) return levels;
    if (std::fabs(level - hi) <= slack) level = hi;
    if (levels.size() == operate::kMaxRatingLevels) throw text::InputError(too_many_levels(lo, hi, step));
    // A step below the doubles' spacing at these levels adds nothing.
    if (!levels.empty() && !(level > levels.back())) {
      throw text::InputError("rating: " + keyword("step", step) +
                             " is too small to tell levels near " + shown(level) + " apart");
    }
    levels.push_back(level);
  }
}

// (start, end) in s, None where it did not happen.
py::tuple span(const flood::Span& s) {
  return py::make_tuple(s.started ? py::cast(s.start) : py::none(),
                        s.ended ? py::cast(s.end) : py::none());
}

// True OK, False NG, None not determined (the route stopped first).
py::object verdict(design::Verdict v) {
  return v == design::Verdict::not_determined ? py::none() : py::cast(v == design::Verdict::ok);
}

py::list folds(const flood::FloodPassage& p) {
  py::list rows;
  for (const flood::FoldMet& f : p.folds) {
    py::dict row;
    row["time_s"] = f.time;
    row["level_m"] = f.level;
    row["from_deg"] = f.from_deg;
    row["to_deg"] = f.to_deg;
    rows.append(row);
  }
  return rows;
}

py::list checks(const flood::FloodPassage& p, const std::vector<design::Criterion>& criteria) {
  py::list rows;
  for (const operate::HighestRatio& h : operate::highest_ratios(p, criteria)) {
    py::dict row;
    row["key"] = h.criterion->key;
    row["name"] = h.criterion->name_en;
    row["ratio"] = h.ratio;
    row["time_s"] = h.time;
    row["ok"] = verdict(h.verdict);
    rows.append(row);
  }
  return rows;
}

// The study's refusal of `failed` or `count` in Python's words.
text::InputError flood_refusal(const operate::FloodRefusal& refusal, const operate::FloodRequest& request) {
  if (refusal.which() == operate::FloodInput::failed) {
    return text::InputError("failed=" + py::repr(py::cast(request.failed)).cast<std::string>() + ": " +
                            refusal.what());
  }
  return text::InputError("count=" + std::to_string(request.fail_count.value_or(0)) + ": " +
                          refusal.what());
}

// The study's request of `inflow` (read now when it is a path) with the
// gates `failed` (from 1) failed.
operate::FloodRequest flood_request(const InflowGiven& inflow, const std::vector<int>& failed,
                                    const std::optional<int>& fail_count) {
  operate::FloodRequest request;
  request.inflow = inflow.path ? operate::read_inflow(*inflow.path)
                               : operate::hydrograph_of(inflow.hours, inflow.flows, "inflow");
  request.failed = failed;
  request.fail_count = fail_count;
  return request;
}

operate::FloodJob checked_flood_job(const operate::OperatedDesign& design,
                                    const operate::FloodRequest& request) {
  try {
    return operate::flood_job(design, request);
  } catch (const operate::FloodRefusal& refusal) {
    throw flood_refusal(refusal, request);
  }
}

}  // namespace

py::dict flood_design(const operate::OperatedDesign& design, const InflowGiven& inflow,
                      bool power_failure, const std::vector<int>& failed) {
  operate::FloodRequest request = flood_request(inflow, failed, std::nullopt);
  request.power_failure = power_failure;
  const operate::FloodJob job = checked_flood_job(design, request);
  operate::RoutedFlood routed;
  {
    py::gil_scoped_release unlocked;
    routed = operate::route_flood(job, power_failure);
  }
  if (routed.refused) throw text::InputError(routed.stop);
  py::dict out;
  std::ostringstream printout, refusal;
  const std::string name = inflow.path ? *inflow.path : std::string("inflow");
  out["status"] = operate::print_flood_route(routed, job, name, design.design.dir, printout, refusal);
  out["printout"] = printout.str();
  if (!routed.started) return out;
  const flood::FloodPassage& p = routed.passage;
  const std::vector<design::Criterion> criteria = design::make_criteria(job.criteria);
  out["finished"] = p.route.finished;
  out["stop"] = p.route.finished ? py::none() : py::cast(p.route.stop);
  out["start_level"] = p.start_level;
  out["peak_level"] = p.route.peak.level;
  out["peak_time"] = p.route.peak.time;
  out["lowering"] = span(p.lowering);
  out["down_at_start"] = p.down_at_start;
  out["raising"] = span(p.raising);
  out["folds"] = folds(p);
  out["checks"] = checks(p, criteria);
  const design::Limit& highest = job.criteria.max_upstream_level;
  if (highest.given && !p.route.points.empty()) {
    const operate::Freeboard f = operate::freeboard(p.route, highest);
    out["freeboard"] = f.metres;
    out["freeboard_ok"] = verdict(f.verdict);
  }
  out["series"] = py::bytes(operate::flood_series(p, criteria));
  return out;
}

py::bytes rating_design(const operate::OperatedDesign& design, double lo, double hi, double step,
                        const std::optional<std::vector<double>>& angles) {
  refuse_unless_finite("lo", lo);
  refuse_unless_finite("hi", hi);
  refuse_unless_finite("step", step);
  if (!(step > 0.0)) throw text::InputError("rating: " + keyword("step", step) + " is not above 0");
  if (hi < lo) {
    throw text::InputError("rating: " + keyword("hi", hi) + " is below " + keyword("lo", lo));
  }
  const std::vector<double> levels = rating_levels(lo, hi, step);
  if (angles) {
    if (angles->empty()) throw text::InputError("rating: angles is empty (None: the base case's)");
    if (angles->size() > operate::kMaxRatingLevels) {
      throw text::InputError("rating: more than " + std::to_string(operate::kMaxRatingLevels) +
                             " angles");
    }
    for (std::size_t k = 0; k < angles->size(); ++k) {
      if (!std::isfinite((*angles)[k])) {
        throw text::InputError("rating: angles[" + std::to_string(k) + "]=" + shown((*angles)[k]) +
                               " is not a finite number of degrees");
      }
    }
  }
  operate::RatingRequest request;
  request.levels = operate::RatingLevels{levels};
  request.angles = angles.value_or(std::vector<double>());
  const operate::FloodJob job = operate::rating_job(design, request);
  std::vector<flood::RatingRow> rows;
  {
    py::gil_scoped_release unlocked;
    rows = operate::rating_rows(job, request.levels);
  }
  return py::bytes(operate::rating_table(job, rows));
}

py::list fail_table(const operate::OperatedDesign& design, const InflowGiven& inflow,
                    const std::optional<int>& count, const std::optional<bool>& with_power) {
  if (count && *count < 0) {
    throw text::InputError("count=" + std::to_string(*count) + ": give a number of gates from 0");
  }
  const operate::FloodJob job = checked_flood_job(design, flood_request(inflow, {}, count));
  std::vector<operate::FailedRow> rows;
  {
    py::gil_scoped_release unlocked;
    rows = operate::failed_table(job, count.value_or(-1));
  }
  py::list out;
  for (const operate::FailedRow& r : rows) {
    if (with_power && *with_power == r.power_failure) continue;
    py::dict row;
    row["failed"] = r.failed;
    row["power"] = !r.power_failure;
    row["every_choice"] = r.every_choice;
    row["choices"] = r.choices;
    row["determined"] = r.determined;
    row["peak_level_m"] = r.determined ? r.peak_level : std::nan("");
    row["peak_time_s"] = r.determined ? r.peak_time : std::nan("");
    row["gates"] = r.worst;
    row["stop"] = r.stop;
    row["printed"] = operate::failed_row_text(r);
    out.append(row);
  }
  return out;
}

}  // namespace python
}  // namespace tqweir
