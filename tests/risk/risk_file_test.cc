#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "risk/peak_distribution.h"
#include "risk/risk_file.h"
#include "text/input_error.h"

namespace tqweir {
namespace risk {
namespace {

std::string refusal(const std::string& text) {
  try {
    read_risk(text, "risk.csv");
  } catch (const text::InputError& e) {
    return e.what();
  }
  return "accepted";
}

TEST(RiskFile, RefusesEachBadRowWhereItStands) {
  const std::string law = "peak_distribution,gumbel 25 8\n";
  struct Case {
    std::string text;
    std::string expect;  // a part of the refusal
  };
  const std::vector<Case> cases = {
      {"bins,20\n", "give peak_distribution or peak_table"},
      {law + "peak_table,0.5:20 0.001:90\n", "line 2, column 2 (peak_table): give peak_distribution or peak_table, not both"},
      {"peak_distribution,weibull 1 2\n", "line 1, column 2 (peak_distribution)"},
      {"peak_distribution,gev 25 8\n", "gev takes 3 numbers, 2 given"},
      {"peak_distribution,gumbel 25 0\n", "not above 0"},
      {"peak_distribution,log-pearson3 1.5 0.2 inf\n", "line 1, column 2"},
      {law + "power_failure_probability,1.5\n", "line 2, column 2 (power_failure_probability)"},
      {law + "gate_failure_probability,-0.1\n", "(gate_failure_probability)"},
      {law + "bins,0\n", "line 2, column 2 (bins)"},
      {law + "events_per_bin,2.5\n", "(events_per_bin): '2.5' is not a whole number"},
      {law + "aep_from,0.01\naep_to,0.1\n", "line 3, column 2: aep_to"},
      {law + "realizations,1001\n", "(realizations)"},
      {law + "record_years,5\n", "(record_years)"},
      {law + "seed,-1\n", "(seed)"},
      {law + "bins,10000\nevents_per_bin,100000\n", "above 10000000"},
      {"peak_table,0.5:20 0.01:90\n", "not the AEPs sampled"},
      {"peak_table,0.5:20 0.01:90 0.0001:80\n", "do not rise strictly"},
      {"peak_table,0.5:20 0.00001:90\nrecord_years,30\n", "line 2, column 2 (record_years): a peak table"},
      {"peak_distribution,gev 25 8 -40\n", "no finite peak"},
      {law + "bins,3\nbins,4\n", "line 3, column 1: 'bins' is already given on line 2"},
  };
  for (const Case& c : cases) {
    EXPECT_NE(refusal(c.text).find(c.expect), std::string::npos) << c.text << " -> " << refusal(c.text);
  }
  const RiskFile f = read_risk(
      "name,value\npeak_table,0.0001:120 0.5:20 0.01:60\nseed,18446744073709551615\n", "risk.csv");
  EXPECT_EQ(f.peak.table.front().aep, 0.5);  // sorted, AEP falling
  EXPECT_EQ(f.seed, 18446744073709551615ULL);
}

// The frequency factors K of the Pearson type III law, as published in the
// tables of flood-frequency practice (exceeded with AEP 0.01 and 0.1), and
// a peak table read in the Gumbel variate between its points.
TEST(PeakLaws, QuantilesMatchPublishedFrequencyFactors) {
  struct Row {
    double skew, aep, k;
  };
  for (const Row& r : std::vector<Row>{{0.0, 0.01, 2.32635},
                                       {1.0, 0.01, 3.02256},
                                       {-1.0, 0.01, 1.58838},
                                       {0.5, 0.1, 1.32309},
                                       {-0.5, 0.1, 1.21618}}) {
    PeakDistribution d;
    d.law = PeakLaw::log_pearson3;
    d.a = 2.0;
    d.b = 0.25;
    d.c = r.skew;
    EXPECT_NEAR(std::log10(peak_at(d, r.aep)), 2.0 + 0.25 * r.k, 0.25 * 2e-5) << r.skew;
  }
  PeakDistribution t;
  t.law = PeakLaw::table;
  t.table = {{0.5, 20.0}, {0.01, 60.0}};
  const double y = (gumbel_variate(0.5) + gumbel_variate(0.01)) / 2.0;
  EXPECT_NEAR(peak_at(t, aep_of_variate(y)), 40.0, 1e-9);
  EXPECT_THROW(peak_at(t, 0.005), std::domain_error);
}

// A long record drawn from each law and refitted gives the law back.
TEST(PeakLaws, RefitOfALongRecordGivesTheLawBack) {
  PeakDistribution gev;
  gev.law = PeakLaw::gev;
  gev.a = 30.0;
  gev.b = 10.0;
  gev.c = -0.1;
  PeakDistribution lp3;
  lp3.law = PeakLaw::log_pearson3;
  lp3.a = 1.5;
  lp3.b = 0.2;
  lp3.c = 0.4;
  for (const PeakDistribution& law : {gev, lp3}) {
    std::vector<double> record;
    const int n = 20000;
    for (int k = 0; k < n; ++k) record.push_back(peak_at(law, (k + 0.5) / n));
    PeakDistribution fitted;
    ASSERT_TRUE(fit_law(law.law, record, fitted));
    EXPECT_NEAR(fitted.a, law.a, 0.01 * std::fabs(law.a));
    EXPECT_NEAR(fitted.b, law.b, 0.01 * law.b);
    EXPECT_NEAR(fitted.c, law.c, 0.01);
  }
}

}  // namespace
}  // namespace risk
}  // namespace tqweir
