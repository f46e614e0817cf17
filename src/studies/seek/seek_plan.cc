#include "studies/seek/seek_plan.h"

#include <cmath>

#include "cases/base_case.h"
#include "design/design.h"
#include "text/input_error.h"
#include "design/limit_states.h"

namespace tqweir {
namespace seek {
namespace {

using text::InputError;

// The criteria by their names in criteria.csv, in make_criteria's order.
constexpr const char* kCriterionNames[] = {"membrane_strength", "stopper_capacity",
                                           "max_bag_pressure", "floor_anchor_capacity"};

std::string result_list() {
  std::string list;
  for (const SummaryField& f : summary_fields()) list += (list.empty() ? "" : ", ") + std::string(f.column);
  return list;
}

// The load case and the criterion of `design` the request names.
void resolve_criterion(const SeekRequest& request, int index, const design::Design& design,
                       SeekPlan& plan) {
  if (request.has_case) {
    const design::LoadCase* found = nullptr;
    for (const design::LoadCase& c : design.cases) {
      if (design.cases_from == "loadcases.csv" && c.name == request.case_name) found = &c;
    }
    if (found == nullptr) {
      throw SeekRefusal(SeekInput::load_case, "no such load case in " + design.dir + "/loadcases.csv");
    }
    plan.input = found->input;
    plan.case_name = found->name;
  }
  if (index < 0) return;
  if (!design.has_criteria) throw SeekRefusal(SeekInput::criteria, design.dir + " has no criteria.csv for");
  plan.criterion = design::make_criteria(design.criteria)[static_cast<std::size_t>(index)];
  if (!plan.criterion.given) {
    throw InputError(design.dir + "/criteria.csv does not give " + plan.until);
  }
  plan.goal = design::criterion_goal(plan.criterion);
}

// The search's own settings, checked as the command line checks them.
void check_settings(const SeekRequest& request) {
  const std::string whole = "give a whole number from 1 to " + std::to_string(kMaxScanIntervals);
  if (request.pick < 1 || request.pick > kMaxScanIntervals) throw SeekRefusal(SeekInput::pick, whole);
  if (request.scan < 1 || request.scan > kMaxScanIntervals) throw SeekRefusal(SeekInput::scan, whole);
  if (!std::isfinite(request.tolerance) || request.tolerance < 0.0) {
    throw SeekRefusal(SeekInput::tolerance, "give a finite number >= 0");
  }
}

}  // namespace

const SummaryField* find_result(const std::string& name) {
  for (const SummaryField& f : summary_fields()) {
    if (name == f.column || name == f.name) return &f;
  }
  return nullptr;
}

const InputField& real_field(const std::string& name) {
  const InputField* field = find_input_field(name);
  if (field == nullptr) {
    throw SeekRefusal(SeekInput::field,
                      "unknown input field " + name + " (fields: " + input_field_list() + ")");
  }
  if (is_integer_field(*field)) {
    throw SeekRefusal(SeekInput::field, name + " is a whole number: a search varies a real field");
  }
  return *field;
}

namespace {

// Every value of the request checked, nothing read: the plan without its
// case, and the criterion's index (-1 for none).
SeekPlan checked_plan(const SeekRequest& request, int& criterion) {
  SeekPlan plan;
  plan.dir = request.dir;
  plan.field = &real_field(request.field);
  if (!std::isfinite(request.lo) || !std::isfinite(request.hi)) {
    throw SeekRefusal(SeekInput::range, "LO and HI must be finite numbers");
  }
  plan.lo = request.lo;
  plan.hi = request.hi;
  if (!(plan.lo < plan.hi)) throw SeekRefusal(SeekInput::range, "LO must be below HI");

  criterion = -1;
  plan.kind = request.kind;
  if (request.kind == SeekKind::stop) {
    plan.until = "stop";
  } else if (request.kind == SeekKind::result) {
    const SummaryField* result = find_result(request.until);
    if (result == nullptr) {
      throw SeekRefusal(SeekInput::result,
                        "unknown result " + request.until + " (results: " + result_list() + ")");
    }
    plan.until = result->column;
    plan.goal.field = result->id;
    plan.goal.target = request.target;
    if (!std::isfinite(plan.goal.target)) throw SeekRefusal(SeekInput::target, "is not a finite number");
  } else {
    for (int i = 0; i < 4; ++i) {
      if (request.until == kCriterionNames[i]) criterion = i;
    }
    if (criterion < 0) {
      throw SeekRefusal(SeekInput::criterion,
                        "give RESULT=VALUE, stop, or a criterion (membrane_strength, "
                        "stopper_capacity, max_bag_pressure, floor_anchor_capacity)");
    }
    plan.until = request.until;
  }
  check_settings(request);
  return plan;
}

void take_base(const cases::BaseCase& base, SeekPlan& plan) {
  plan.input = base.input;
  plan.hitai = base.texts.hitai;
}

}  // namespace

SeekPlan make_seek_plan(const SeekRequest& request) {
  int criterion = -1;
  SeekPlan plan = checked_plan(request, criterion);
  take_base(cases::read_base_case(request.dir), plan);
  if (request.has_case || criterion >= 0) {
    resolve_criterion(request, criterion, design::read_design(request.dir, {}), plan);
  }
  return plan;
}

SeekPlan make_seek_plan(const SeekRequest& request, const design::Design& design) {
  int criterion = -1;
  SeekPlan plan = checked_plan(request, criterion);
  plan.dir = design.dir;
  take_base(design.base, plan);
  if (request.has_case || criterion >= 0) resolve_criterion(request, criterion, design, plan);
  return plan;
}

SeekSearch search_seek(const SeekPlan& plan, const SeekRequest& request, bool own_value) {
  SeekSearch found;
  found.settings.scan_intervals = request.scan;
  found.settings.tolerance = request.tolerance;
  found.settings.has_own = own_value;
  if (own_value) found.settings.own = field_value(*plan.field, plan.input);
  const bool stop = plan.kind == SeekKind::stop;
  found.result = search::search_range(search::case_probe(plan.input, *plan.field, plan.goal, &found.log),
                                      plan.lo, plan.hi,
                                      stop ? search::Target::boundaries : search::Target::crossings,
                                      found.settings);
  const search::EdgeKind wanted = stop ? search::EdgeKind::boundary : search::EdgeKind::crossing;
  for (std::size_t i = 0; i < found.result.edges.size(); ++i) {
    if (found.result.edges[i].kind == wanted) found.picks.push_back(i);
  }
  return found;
}

}  // namespace seek
}  // namespace tqweir
