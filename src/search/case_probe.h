// One input of a case varied, and what the search watches in each solve:
// a summary result, unrounded, against its target.
#ifndef TQWEIR_SEARCH_CASE_PROBE_H_
#define TQWEIR_SEARCH_CASE_PROBE_H_

#include <array>
#include <map>
#include <string>

#include "core/input_fields.h"
#include "core/messages.h"
#include "core/run_state.h"
#include "core/summary_fields.h"
#include "search/bracket_search.h"

namespace tqweir {
namespace search {

// A case solved in memory, with the summary as doubles before printing.
struct CaseResult {
  bool finished = false;
  Message message = Message::finished;
  std::array<double, kSummaryFieldCount> values{};  // unrounded, in the printed units
  std::string summary;                              // TQSpec.csv's line as printed
};

// Runs `input` in memory (run_in_memory); a stop is the result.
CaseResult solve_unrounded(const CaseInput& input);

// The quantity watched: (|value| when `magnitude`, else value) * scale,
// and its target. A result is value against target; a design check is
// |value| * unit / limit against 1.
struct Goal {
  SummaryId field = SummaryId::alpha;
  double target = 0.0;
  bool magnitude = false;
  double scale = 1.0;
};

double goal_quantity(const Goal& goal, const CaseResult& result);

// The printed summary line of every finished solve, by the value tried.
using SummaryLog = std::map<double, std::string>;

// The probe that solves `base` with `field` set to x and reports the goal's
// excess; the stop's code is its Message. Keeps each summary line in `log`
// when given. `base`, `field` and `log` must outlive the probe.
Probe case_probe(const CaseInput& base, const InputField& field, const Goal& goal,
                 SummaryLog* log = nullptr);

// `base` with `field` set to `value`.
CaseInput with_value(const CaseInput& base, const InputField& field, double value);

}  // namespace search
}  // namespace tqweir

#endif  // TQWEIR_SEARCH_CASE_PROBE_H_
