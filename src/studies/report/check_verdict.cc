#include "studies/report/check_verdict.h"

#include "design/leaf_checks.h"

#include "studies/report/failed_check.h"
#include "studies/report/flood_section.h"
#include "studies/report/html.h"

namespace tqweir {
namespace report {

CheckTally tally_checks(const design::Design& design, const std::vector<CaseRun>& runs,
                        const std::vector<FloodRun>& floods, const std::vector<operate::FailedRow>& failed,
                        const std::optional<ReportRisk>& risk) {
  CheckTally tally;
  std::size_t given = 0;
  const std::vector<design::Criterion> criteria = design::make_criteria(design.criteria);
  const std::vector<design::LeafCriterion> leaf_criteria = design::make_leaf_criteria(design.criteria);
  for (const design::Criterion& c : criteria) given += c.given ? 1 : 0;
  for (const design::LeafCriterion& c : leaf_criteria) given += c.given ? 1 : 0;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    tally.checks += given;
    if (!runs[i].converged) {
      if (given == 0) continue;
      tally.undetermined_checks += given;
      tally.undetermined.push_back("case " + std::to_string(i + 1) + " stopped (" +
                                   std::to_string(given) + (given == 1 ? " check)" : " checks)"));
      continue;
    }
    for (const design::Criterion& c : criteria) {
      if (c.given) tally.ng += check_case(runs[i], c).ok ? 0 : 1;
    }
    for (const design::LeafCriterion& c : leaf_criteria) {
      if (c.given) tally.ng += design::check_case(runs[i], c).ok ? 0 : 1;
    }
  }
  if (design.criteria.max_aep_of_limit.given) {
    ++tally.checks;
    const RiskCheck check = risk_check(design, risk);
    if (check.verdict == design::Verdict::ng) ++tally.ng;
    if (check.verdict == design::Verdict::not_determined) {
      ++tally.undetermined_checks;
      tally.undetermined.push_back("flood risk: " + check.why);
    }
  }
  const design::Limit& limit = design.criteria.max_upstream_level;
  if (!limit.given) return tally;
  const auto count = [&tally](const FloodCheck& check, const std::string& name) {
    ++tally.checks;
    if (check.verdict == design::Verdict::ng) ++tally.ng;
    if (check.verdict != design::Verdict::not_determined) return;
    ++tally.undetermined_checks;
    tally.undetermined.push_back(name + ": " + check.why);
  };
  for (const FloodRun& run : floods) count(flood_check(run, limit), flood_check_name(run));
  for (const operate::FailedRow& row : checked_failed_rows(design, failed)) {
    count(failed_check(row, limit), failed_check_name(row));
  }
  return tally;
}

const char* verdict_class(design::Verdict verdict) {
  return verdict == design::Verdict::ok ? "ok" : verdict == design::Verdict::ng ? "ng" : "nd";
}

std::string verdict_html(design::Verdict verdict) {
  if (verdict != design::Verdict::not_determined) return design::verdict_word(verdict);
  return en_ja("not determined", u8"判定不能");
}

}  // namespace report
}  // namespace tqweir
