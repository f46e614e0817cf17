// The key results a report shows for every case and draws as operating
// curves: summary fields by name, and the overflow depth.
#ifndef TQWEIR_STUDIES_REPORT_KEY_RESULTS_H_
#define TQWEIR_STUDIES_REPORT_KEY_RESULTS_H_

#include <string>
#include <vector>

#include "core/summary_fields.h"
#include "studies/report/case_run.h"

namespace tqweir {
namespace report {

struct KeyResult {
  std::string name;  // the summary field's name, or "overflow_depth"
  std::string label_en;
  std::string label_ja;
  std::string unit;
  SummaryId field;       // the summary field shown
  bool overflow_depth;   // shown instead: upstream level minus crest height, >= 0
  bool charted;          // drawn as an operating curve
};

// In the order shown: alpha, the bag's pressure, tension and forces, the
// stopper, the levels, the bag's size and air, overflow depth and discharge.
const std::vector<KeyResult>& key_results();

// The result's text for a converged run: the printed field, or the overflow
// depth from the printed upstream level and crest height (three decimals,
// exact as both are).
std::string key_result_text(const CaseRun& run, const KeyResult& key);

// The number that text prints.
double key_result_number(const CaseRun& run, const KeyResult& key);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_REPORT_KEY_RESULTS_H_
