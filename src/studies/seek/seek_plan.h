// A seek checked and resolved: the case, the field and its range, and what
// to look for; and the search of it.
#ifndef TQWEIR_STUDIES_SEEK_SEEK_PLAN_H_
#define TQWEIR_STUDIES_SEEK_SEEK_PLAN_H_

#include <cstddef>
#include <string>
#include <vector>

#include "search/bracket_search.h"
#include "search/case_probe.h"
#include "design/design.h"
#include "design/design_checks.h"
#include "studies/seek/seek_request.h"

namespace tqweir {
namespace seek {

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

// A real input field by name. Throws SeekRefusal (SeekInput::field) for an
// unknown field and for overflow_mode (a whole number has no crossing
// between values), naming the choices.
const InputField& real_field(const std::string& name);

// Reads the case (and, for a criterion or a load case, the design) and
// checks every value of `request`. Throws SeekRefusal naming the value
// refused (unknown field, result or criterion, a range not finite or LO >=
// HI, a target not finite, no criteria.csv, an unknown load case, pick,
// scan or tolerance out of range), and text::InputError with the readers'
// words for the folder's files and a criterion criteria.csv does not give.
SeekPlan make_seek_plan(const SeekRequest& request);

// The same on a design already read (the request's dir aside): its base
// case, load cases and criteria as read, no file read again. Throws as
// make_seek_plan, naming the design's folder.
SeekPlan make_seek_plan(const SeekRequest& request, const design::Design& design);

// The search of a plan and what it found.
struct SeekSearch {
  search::SearchSettings settings;
  search::SearchResult result;
  search::SummaryLog log;           // the printed summary of every finished solve
  std::vector<std::size_t> picks;   // the edges of the kind asked for, from lo
};

// Scans and narrows the plan's range (the request's scan, tolerance; and
// the case's own value of the field as one more solve when `own_value`).
SeekSearch search_seek(const SeekPlan& plan, const SeekRequest& request, bool own_value);

}  // namespace seek
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_SEEK_SEEK_PLAN_H_
