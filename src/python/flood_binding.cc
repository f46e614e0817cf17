// tqweir-operate --flood and --rating from Python: the passage routed by
// the command's code once, its printout, the series' bytes and the
// findings the printout words, by name; the rating's table bytes, its
// levels formed from Python's floats.
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
#include "studies/flood/flood_job.h"
#include "studies/flood/flood_output.h"
#include "tools/operate/parse_operate_options.h"

namespace py = pybind11;

namespace tqweir {
namespace python {
namespace {

operate::OperateOptions parse(const std::string& dir, const std::vector<std::string>& args) {
  std::vector<const char*> argv{"tqweir-operate", dir.c_str()};
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  return operate::parse_operate_options(static_cast<int>(argv.size()), argv.data());
}

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

}  // namespace

py::dict flood_design(const design::Design& design, const std::vector<std::string>& args) {
  const operate::OperateOptions options = parse(design.dir, args);
  const operate::FloodJob job = operate::prepare_flood_job(options, design);
  py::dict out;
  std::ostringstream printout;
  flood::FloodPassage p;
  try {
    py::gil_scoped_release unlocked;
    p = flood::flood_passage(job.base, job.file, job.inflow, options.power_failure);
  } catch (const flood::RouteStop& stop) {
    printout << "tqweir-operate: the flood cannot start: " << stop.what() << "\n";
    out["status"] = 1;
    out["printout"] = printout.str();
    return out;
  }
  const std::vector<design::Criterion> criteria = design::make_criteria(job.criteria);
  printout << "tqweir-operate: flood " << options.inflow << " through " << options.dir << "\n";
  operate::print_flood(p, criteria, job.criteria.max_upstream_level, options.power_failure,
                       printout);
  out["status"] = p.route.finished ? 0 : 1;
  out["printout"] = printout.str();
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

py::bytes rating_design(const design::Design& design, double lo, double hi, double step,
                        const std::optional<std::vector<double>>& angles) {
  refuse_unless_finite("lo", lo);
  refuse_unless_finite("hi", hi);
  refuse_unless_finite("step", step);
  if (!(step > 0.0)) throw text::InputError("rating: " + keyword("step", step) + " is not above 0");
  if (hi < lo) {
    throw text::InputError("rating: " + keyword("hi", hi) + " is below " + keyword("lo", lo));
  }
  operate::OperateOptions options;
  options.mode = operate::Mode::rating;
  options.levels = rating_levels(lo, hi, step);
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
    options.angles = *angles;
  }
  const operate::FloodJob job = operate::prepare_flood_job(options, design);
  std::vector<flood::RatingRow> rows;
  {
    py::gil_scoped_release unlocked;
    rows = operate::rating_rows(job, options);
  }
  return py::bytes(flood::rating_table(rows, job.has_tailwater));
}

}  // namespace python
}  // namespace tqweir
