// The report's verdict on its checks: every check of its checks table (each
// finished case against each criterion given, each run of the design flood
// against max_upstream_level) counted OK, NG or not determined, for the
// title block and the command's exit status.
#ifndef TQWEIR_STUDIES_REPORT_CHECK_VERDICT_H_
#define TQWEIR_STUDIES_REPORT_CHECK_VERDICT_H_

#include <string>
#include <vector>

#include "design/design.h"
#include "design/design_checks.h"
#include "studies/report/case_run.h"
#include "studies/flood/failed_gates.h"
#include "studies/report/flood_runs.h"
#include "studies/report/risk_section.h"

namespace tqweir {
namespace report {

struct CheckTally {
  std::size_t checks = 0;  // every check of the table, undetermined ones included
  std::size_t ng = 0;
  // One entry per result that left checks undetermined (English, UTF-8):
  // "case 2 stopped (4 checks)", "design flood without power: the route
  // stops: ...".
  std::vector<std::string> undetermined;
  std::size_t undetermined_checks = 0;
};

// A stopped case leaves each criterion given undetermined; a flood run
// that does not start, or whose route stops within the limit, its check;
// a row of the K-failed table `failed` checked by max_failed_gates whose
// routes did not all reach the flood's end, its check; the risk's check of
// max_aep_of_limit as risk_check judges it.
CheckTally tally_checks(const design::Design& design, const std::vector<CaseRun>& runs,
                        const std::vector<FloodRun>& floods,
                        const std::vector<operate::FailedRow>& failed = {},
                        const std::optional<ReportRisk>& risk = std::nullopt);

// The style of a verdict: "ok" (green), "ng" (red), "nd" (neutral).
const char* verdict_class(design::Verdict verdict);

// "OK", "NG", or "not determined" with its Japanese, as HTML.
std::string verdict_html(design::Verdict verdict);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_REPORT_CHECK_VERDICT_H_
