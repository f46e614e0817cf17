#include "tools/seek/seek_plan.h"

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

// A finite number converted as the reader converts `field`.
double finite_value(const InputField& field, const std::string& text, const std::string& what) {
  double value = 0.0;
  std::string why;
  if (!parse_field_value(field, text, value, why)) throw InputError(what + " " + text + " " + why);
  if (!std::isfinite(value)) throw InputError(what + " " + text + " is not a finite number");
  return value;
}

std::string result_list() {
  std::string list;
  for (const SummaryField& f : summary_fields()) list += (list.empty() ? "" : ", ") + std::string(f.column);
  return list;
}

void resolve_criterion(const SeekOptions& options, int index, SeekPlan& plan) {
  const design::Design design = design::read_design(options.dir, {});
  if (options.has_case) {
    const design::LoadCase* found = nullptr;
    for (const design::LoadCase& c : design.cases) {
      if (design.cases_from == "loadcases.csv" && c.name == options.case_name) found = &c;
    }
    if (found == nullptr) {
      throw InputError("--case " + options.case_name + ": no such load case in " +
                       options.dir + "/loadcases.csv");
    }
    plan.input = found->input;
    plan.case_name = found->name;
  }
  if (index < 0) return;
  if (!design.has_criteria) throw InputError(options.dir + " has no criteria.csv for --until " + plan.until);
  plan.criterion = design::make_criteria(design.criteria)[static_cast<std::size_t>(index)];
  if (!plan.criterion.given) {
    throw InputError(options.dir + "/criteria.csv does not give " + plan.until);
  }
  plan.goal = design::criterion_goal(plan.criterion);
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
    throw InputError("unknown input field " + name + " (fields: " + input_field_list() + ")");
  }
  if (is_integer_field(*field)) {
    throw InputError(name + " is a whole number: a search varies a real field");
  }
  return *field;
}

SeekPlan make_seek_plan(const SeekOptions& options) {
  SeekPlan plan;
  plan.dir = options.dir;
  const std::size_t eq = options.vary.find('=');
  const std::size_t colon = options.vary.find(':', eq == std::string::npos ? 0 : eq);
  if (eq == std::string::npos || colon == std::string::npos) {
    throw InputError("--vary " + options.vary + ": give FIELD=LO:HI");
  }
  plan.field = &real_field(options.vary.substr(0, eq));
  plan.lo = finite_value(*plan.field, options.vary.substr(eq + 1, colon - eq - 1), "--vary: LO");
  plan.hi = finite_value(*plan.field, options.vary.substr(colon + 1), "--vary: HI");
  if (!(plan.lo < plan.hi)) throw InputError("--vary " + options.vary + ": LO must be below HI");

  int criterion = -1;
  const std::size_t until_eq = options.until.find('=');
  if (options.until == "stop") {
    plan.kind = SeekKind::stop;
    plan.until = "stop";
  } else if (until_eq != std::string::npos) {
    plan.kind = SeekKind::result;
    plan.until = options.until.substr(0, until_eq);
    const SummaryField* result = find_result(plan.until);
    if (result == nullptr) {
      throw InputError("--until: unknown result " + plan.until + " (results: " + result_list() + ")");
    }
    plan.until = result->column;
    plan.goal.field = result->id;
    const std::string text = options.until.substr(until_eq + 1);
    char* end = nullptr;
    plan.goal.target = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(plan.goal.target)) {
      throw InputError("--until: VALUE " + text + " is not a finite number");
    }
  } else {
    for (int i = 0; i < 4; ++i) {
      if (options.until == kCriterionNames[i]) criterion = i;
    }
    if (criterion < 0) {
      throw InputError("--until " + options.until +
                       ": give RESULT=VALUE, stop, or a criterion (membrane_strength, "
                       "stopper_capacity, max_bag_pressure, floor_anchor_capacity)");
    }
    plan.kind = SeekKind::criterion;
    plan.until = options.until;
  }

  const cases::BaseCase base = cases::read_base_case(options.dir);
  plan.input = base.input;
  plan.hitai = base.texts.hitai;
  if (options.has_case || criterion >= 0) resolve_criterion(options, criterion, plan);
  return plan;
}

}  // namespace seek
}  // namespace tqweir
