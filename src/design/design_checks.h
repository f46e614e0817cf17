// The design checks: each converged case's results against the criteria,
// and the case that governs each criterion.
#ifndef TQWEIR_DESIGN_DESIGN_CHECKS_H_
#define TQWEIR_DESIGN_DESIGN_CHECKS_H_

#include <string>
#include <vector>

#include "core/summary_fields.h"
#include "design/criteria.h"

namespace tqweir {
namespace design {

// What a criterion checks: a printed summary field against a limit.
struct Criterion {
  const char* key;       // "membrane"
  const char* name_en;   // "membrane tension"
  const char* name_ja;
  SummaryId field = SummaryId::alpha;  // the result checked
  const char* unit;      // of value and limit
  bool given = false;    // false: not checked
  double limit = 0.0;
  std::string limit_text;  // how the limit is formed, e.g. "400 / 4.0 = 100.000"
};

// A criterion of `field` whose limit is `limit` as given (not checked when
// it is not).
Criterion limit_criterion(const char* key, const char* name_en, const char* name_ja, SummaryId field,
                          const char* unit, const Limit& limit);

// The four criteria with their limits from `criteria`:
// - membrane: bag tension (kN/m) <= membrane_strength / membrane_safety_factor
//   (a strength without a factor is taken with factor 1, said in limit_text);
// - stopper: stopper tension (kN) <= stopper_capacity;
// - bag pressure: bag pressure at the air temperature, printed in MPa and
//   checked in kPa, <= max_bag_pressure;
// - floor anchorage: the support force at the hinge (kN/m), which the floor
//   anchors carry, <= floor_anchor_capacity.
std::vector<Criterion> make_criteria(const Criteria& criteria);

// One criterion for one case.
struct Check {
  std::string value_text;  // the printed result, in the criterion's unit
  double value = 0.0;      // its magnitude
  double ratio = 0.0;      // value / limit, to nine decimals
  bool ok = false;         // ratio <= 1
};

// The outcome of a check on a result that may not have reached its end (a
// route, a path or a run that stopped on the way).
enum class Verdict { ok, ng, not_determined };

// NG once the limit is passed anywhere the result reached, whatever would
// have followed; within it so far, OK only when the result reached its
// end, else not determined (the rest is not known).
Verdict verdict_of(bool within, bool reached_end);

// "OK", "NG", "not determined".
const char* verdict_word(Verdict verdict);

// The check of `value_text`, a result as shown in the limit's unit, whose
// magnitude is checked against `limit`.
Check check_value(const std::string& value_text, double limit);

// The check of a result as printed: `printed` is the text of the summary
// field criterion.field (the bag pressure is moved from MPa to kPa without
// rounding); its magnitude is checked, as a force acts either way on what
// carries it. REQUIRES: criterion.given.
Check check_printed(const std::string& printed, const Criterion& criterion);

// The check of a converged run: any run with `converged` and `printed`, its
// summary read back (text::PrintedSummary).
// REQUIRES: run.converged, criterion.given.
template <class Run>
Check check_case(const Run& run, const Criterion& criterion) {
  return check_printed(run.printed.text[static_cast<std::size_t>(summary_index(criterion.field))],
                       criterion);
}

// The index of the converged run with the largest ratio for `criterion`
// (a Criterion, or any criterion check_case takes), the first of equal
// ones, or -1 when no run converged.
template <class Run, class AnyCriterion>
int governing_case(const std::vector<Run>& runs, const AnyCriterion& criterion) {
  int governing = -1;
  double largest = 0.0;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (!runs[i].converged) continue;
    const double ratio = check_case(runs[i], criterion).ratio;
    if (governing < 0 || ratio > largest) {
      governing = static_cast<int>(i);
      largest = ratio;
    }
  }
  return governing;
}

}  // namespace design
}  // namespace tqweir

#endif  // TQWEIR_DESIGN_DESIGN_CHECKS_H_
