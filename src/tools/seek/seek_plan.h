// A seek as the command line asks for it, checked and resolved: the case,
// the field and its range, and what to look for.
#ifndef TQWEIR_TOOLS_SEEK_SEEK_PLAN_H_
#define TQWEIR_TOOLS_SEEK_SEEK_PLAN_H_

#include <string>

#include "search/case_probe.h"
#include "design/design_checks.h"
#include "tools/seek/seek_options.h"

namespace tqweir {
namespace seek {

enum class SeekKind { result, criterion, stop };

struct SeekPlan {
  std::string dir;
  std::string case_name;  // the load case (UTF-8), empty for the base case
  CaseInput input;        // the case whose field is varied
  std::string hitai;      // hitai.csv as given
  const InputField* field = nullptr;
  double lo = 0.0, hi = 0.0;
  SeekKind kind = SeekKind::result;
  std::string until;      // the result's column or the criterion's name
  search::Goal goal;
  design::Criterion criterion;  // for SeekKind::criterion
};

// The summary field whose sweep column (or name) is `name`, or nullptr.
const SummaryField* find_result(const std::string& name);

// A real input field by name. Throws text::InputError for an unknown
// field and for overflow_mode (a whole number has no crossing between
// values), naming the choices.
const InputField& real_field(const std::string& name);

// Reads the case (and, for a criterion or --case, the design) and checks
// every argument. Throws text::InputError naming what is wrong: unknown
// field, result or criterion, LO >= HI, a value that is not a finite
// number, a criterion criteria.csv does not give, an unknown load case.
SeekPlan make_seek_plan(const SeekOptions& options);

}  // namespace seek
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_SEEK_SEEK_PLAN_H_
