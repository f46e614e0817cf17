#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "design/criteria.h"
#include "operation/operation_file.h"
#include "studies/report/check_verdict.h"
#include "studies/report/risk_section.h"
#include "studies/risk/branch_route.h"

namespace tqweir {
namespace {

// With K of a weir's gates failed, the failed ones are the K that would
// lower first: by the level that lowers each (the valve's with power, the
// float valve's without), then by number; with every gate failed no valve
// opens anywhere.
TEST(BranchRoute, FailedGatesAreTheFirstToLower) {
  operation::OperationFile file;
  file.gates = {true, 3.0, "3", 1};
  file.lower_at_levels = {true, "3.3 3.1 3.2", 2, {3.3, 3.1, 3.2}, {"3.3", "3.1", "3.2"}};
  file.backup_lower_at_levels = {true, "3.4 3.6 3.5", 3, {3.4, 3.6, 3.5}, {"3.4", "3.6", "3.5"}};
  const auto failed = [&](int k, bool power_failure) {
    return risk_study::branch_route(file, {k, power_failure}).failed;
  };
  EXPECT_TRUE(failed(0, false).empty());
  EXPECT_EQ(failed(1, false), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(failed(2, false), (std::vector<bool>{false, true, true}));
  EXPECT_EQ(failed(1, true), (std::vector<bool>{true, false, false}));
  EXPECT_EQ(failed(2, true), (std::vector<bool>{true, false, true}));
  const risk_study::BranchRoute all = risk_study::branch_route(file, {3, false});
  EXPECT_TRUE(all.failed.empty());
  EXPECT_FALSE(all.file.lower_at_levels.given || all.file.backup_lower_at_levels.given);
  EXPECT_TRUE(all.power_failure);
}

// The report's check of max_aep_of_limit: an AEP that is an upper bound
// (a route stopped) still passes when it is within the limit, and is not
// determined when above; none without risk.csv. The title block counts it.
TEST(RiskCheck, AnUpperBoundPassesOnlyWithinTheLimit) {
  design::Design d;
  d.criteria = design::read_criteria("max_upstream_level,4\nmax_aep_of_limit,0.01\n", "criteria.csv");
  const auto verdict = [&](double aep, int unfinished) {
    report::ReportRisk r;
    r.study.limit.aep = aep;
    r.study.unfinished = unfinished;
    return report::risk_check(d, r).verdict;
  };
  EXPECT_EQ(verdict(0.01, 0), design::Verdict::ok);
  EXPECT_EQ(verdict(0.0100001, 0), design::Verdict::ng);
  EXPECT_EQ(verdict(0.009, 3), design::Verdict::ok);
  EXPECT_EQ(verdict(0.0100001, 3), design::Verdict::not_determined);
  EXPECT_EQ(report::risk_check(d, std::nullopt).verdict, design::Verdict::not_determined);
  report::ReportRisk ng;
  ng.study.limit.aep = 0.02;
  const report::CheckTally tally = report::tally_checks(d, {}, {}, {}, ng);
  EXPECT_EQ(tally.checks, 1u);
  EXPECT_EQ(tally.ng, 1u);
  EXPECT_EQ(report::tally_checks(d, {}, {}, {}, std::nullopt).undetermined_checks, 1u);
}

}  // namespace
}  // namespace tqweir
