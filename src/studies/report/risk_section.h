// The report's section on the flood risk, when the design's folder holds
// risk.csv: the risk run as tqweir-risk runs it, with risk.csv's sampling
// as written, its curve of the annual exceedance probability (AEP) of the
// pond's peak level, the AEP of passing max_upstream_level and each
// branch's share of it; and the check of that AEP against criteria.csv's
// max_aep_of_limit.
#ifndef TQWEIR_STUDIES_REPORT_RISK_SECTION_H_
#define TQWEIR_STUDIES_REPORT_RISK_SECTION_H_

#include <optional>
#include <string>
#include <vector>

#include "design/design.h"
#include "design/design_checks.h"
#include "studies/report/html_table.h"
#include "studies/risk/risk_study.h"

namespace tqweir {
namespace report {

struct ReportRisk {
  risk_study::RiskJob job;
  risk_study::RiskStudy study;
};

// Refuses the risk's inputs as tqweir-risk does (risk.csv by line and
// column, the pond, the rule, the flood's shape) when the folder holds
// risk.csv, before any case runs. Throws text::InputError.
void check_risk_inputs(const design::Design& design);

// The design's flood risk on the machine's cores; none without risk.csv.
std::optional<ReportRisk> run_report_risk(const design::Design& design);

// The section numbered `number`; "" without a risk.
std::string risk_section(const design::Design& design, const std::optional<ReportRisk>& risk, int number);

// The check of max_aep_of_limit: OK when the AEP of passing
// max_upstream_level is at most the limit (also when some routes stopped:
// the AEP is then an upper bound), NG when above it with every route to
// its end; else not determined (no risk.csv, or an upper bound above the
// limit), `why` saying so.
struct RiskCheck {
  design::Verdict verdict = design::Verdict::not_determined;
  std::string why;  // UTF-8, when not determined
};

// REQUIRES: criteria.max_aep_of_limit.given.
RiskCheck risk_check(const design::Design& design, const std::optional<ReportRisk>& risk);

// The row of the checks' table for max_aep_of_limit; none when not given.
std::vector<Table::Row> risk_check_rows(const design::Design& design, const std::optional<ReportRisk>& risk);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_REPORT_RISK_SECTION_H_
