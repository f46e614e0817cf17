#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "flood/hydrograph.h"
#include "risk/risk_estimate.h"
#include "risk/scaled_flood.h"

namespace tqweir {
namespace risk {
namespace {

RiskFile gumbel_plan(int bins, int events) {
  RiskFile f;
  f.peak.law = PeakLaw::gumbel;
  f.peak.a = 20.0;
  f.peak.b = 6.0;
  f.bins = bins;
  f.events_per_bin = events;
  f.aep_from = 0.5;
  f.aep_to = 1e-4;
  f.seed = 7;
  return f;
}

// A pond of negligible storage over a fixed crest at 3 m, C = 10 m^1.5/s:
// the peak level is the rating's level of the peak flow; each branch puts
// the pond higher by its own amount.
constexpr double kCrest = 3.0, kWeir = 10.0;
double rating_level(double q) { return kCrest + std::cbrt((q / kWeir) * (q / kWeir)); }
EventRoute crest_route(const Branch& b, double peak) {
  return {true, rating_level(peak) + 0.3 * b.power_failure + 1.0 * b.failed};
}

TEST(RiskSampling, EachBinWeighsTheProbabilityBetweenItsEdges) {
  const RiskFile f = gumbel_plan(7, 1);
  const std::vector<double> w = bin_weights(f);
  ASSERT_EQ(w.size(), 7u);
  const double y0 = -std::log(-std::log(1.0 - f.aep_from)), y1 = -std::log(-std::log(1.0 - f.aep_to));
  double sum = 0.0;
  for (int b = 0; b < 7; ++b) {
    const double lo = y0 + (y1 - y0) * b / 7.0, hi = y0 + (y1 - y0) * (b + 1) / 7.0;
    // P(lo < y < hi) for the annual maximum's reduced variate.
    EXPECT_NEAR(w[static_cast<std::size_t>(b)], std::exp(-std::exp(-hi)) - std::exp(-std::exp(-lo)), 1e-14);
    sum += w[static_cast<std::size_t>(b)];
  }
  EXPECT_NEAR(sum, f.aep_from - f.aep_to, 1e-15);
}

TEST(ScaledFlood, PeakAboveTheBaseIsTheSampledPeakAboveIt) {
  flood::Hydrograph shape;
  shape.seconds = {0.0, 3600.0, 7200.0, 10800.0};
  shape.flows = {2.0, 60.0, 1.0, 2.0};
  const flood::Hydrograph h = scaled_flood(shape, 118.0);
  EXPECT_EQ(h.seconds, shape.seconds);
  EXPECT_DOUBLE_EQ(h.flows[0], 2.0);
  EXPECT_DOUBLE_EQ(h.flows[1], 118.0);
  EXPECT_DOUBLE_EQ(h.flows[2], 0.0);  // 2 - 1 x 2 = 0
  EXPECT_DOUBLE_EQ(scaled_flood(shape, 31.0).flows[2], 1.5);
  EXPECT_EQ(scaled_flood(shape, 1.0).flows, std::vector<double>(4, 2.0));  // below the base
}

// The curve is the branches' curves weighted by their probabilities: with
// the gate's failure g and the power's p, g x C(gate failed) + (1-g) (p x
// C(no power) + (1-p) x C(power)), each C from a run where that branch is
// certain, since the draws do not depend on the probabilities.
TEST(RiskBranches, CurveIsTheTotalProbabilityOfItsBranches) {
  RiskFile f = gumbel_plan(6, 4);
  const auto curve_of = [&](double p, double g) {
    f.power_failure_probability = p;
    f.gate_failure_probability = g;
    const RiskRun run = run_risk(f, crest_route, 1);
    std::vector<double> aep;
    for (double level = 3.5; level < 6.5; level += 0.1) aep.push_back(level_aep(run, 0, level) - f.aep_to);
    return aep;
  };
  const std::vector<double> with = curve_of(0.0, 0.0), without = curve_of(1.0, 0.0),
                            failed = curve_of(0.0, 1.0), mixed = curve_of(0.3, 0.1);
  for (std::size_t k = 0; k < with.size(); ++k) {
    EXPECT_NEAR(mixed[k], 0.1 * failed[k] + 0.9 * (0.3 * without[k] + 0.7 * with[k]), 1e-15) << k;
  }
  // And each branch's share adds up to the curve.
  f.power_failure_probability = 0.3;
  const RiskRun run = run_risk(f, crest_route, 1);
  double sum = f.aep_to;
  for (std::size_t b = 0; b < run.branches.size(); ++b) sum += branch_aep(run, 0, 4.2, b);
  EXPECT_NEAR(sum, level_aep(run, 0, 4.2), 1e-15);
}

// K of N gates fail with the binomial law: the branches' probabilities add
// up to one, the mean K is N g, and the power fails in p of the floods that
// leave a gate to lower.
TEST(RiskBranches, FailedGatesFollowTheBinomialLaw) {
  const int n = 5;
  const double p = 0.2, g = 0.15;
  const std::vector<Branch> branches = weir_branches(n);
  const BranchValues prob = branch_probabilities(n, p, g);
  ASSERT_EQ(branches.size(), 2u * n + 1);
  double sum = 0.0, mean_k = 0.0, no_power = 0.0;
  for (std::size_t b = 0; b < branches.size(); ++b) {
    sum += prob[b];
    mean_k += branches[b].failed * prob[b];
    if (branches[b].power_failure) no_power += prob[b];
  }
  EXPECT_NEAR(sum, 1.0, 1e-15);
  EXPECT_NEAR(mean_k, n * g, 1e-14);
  EXPECT_NEAR(no_power, p * (1.0 - std::pow(g, n)), 1e-15);
}

TEST(RiskThreads, EveryDrawIsTheSameOnAnyNumberOfThreads) {
  RiskFile f = gumbel_plan(5, 30);
  f.realizations = 3;
  f.record_years = 40;
  f.power_failure_probability = 0.2;
  const RiskRun one = run_risk(f, crest_route, 1), four = run_risk(f, crest_route, 4);
  ASSERT_EQ(one.events.size(), four.events.size());
  for (std::size_t i = 0; i < one.events.size(); ++i) {
    EXPECT_EQ(one.events[i].peak, four.events[i].peak) << i;
    EXPECT_EQ(one.events[i].routes[1].peak_level, four.events[i].routes[1].peak_level) << i;
  }
  for (int r = 0; r < 3; ++r) EXPECT_EQ(level_aep(one, r, 4.5), level_aep(four, r, 4.5));
  // The realizations refit different records, and no two events share a draw.
  EXPECT_NE(one.laws[0].a, one.laws[1].a);
  EXPECT_NE(one.events[1].aep, one.events[1 + 5 * 30 + 1].aep);
}

// The closed form: the level passed with AEP a is the rating's level of the
// peak exceeded with AEP a; the estimate there (the bins below a and the
// tail rarer than aep_to, which passes it) is a within four of its own
// standard errors.
TEST(RiskClosedForm, NegligiblePondOverAFixedCrestFollowsTheRating) {
  const RiskFile f = gumbel_plan(20, 50);
  const RiskRun run = run_risk(f, crest_route, 2);
  for (const double a : {0.2, 0.05, 0.01, 0.001}) {
    const double level = rating_level(peak_at(f.peak, a));
    const double se = sampling_error(run, 0, level);
    EXPECT_GT(se, 0.0);
    EXPECT_NEAR(level_aep(run, 0, level), a, 4.0 * se) << a;
    EXPECT_LT(se, 0.05 * a) << a;
  }
  // Below the flood at aep_from every year's pond rises past the level.
  EXPECT_NEAR(level_aep(run, 0, kCrest), 1.0, 1e-12);
}

TEST(RiskEstimate, ARouteThatStopsPassesEveryLevel) {
  const RiskFile f = gumbel_plan(4, 5);
  const RiskRun run = run_risk(f, [](const Branch&, double peak) {
    return EventRoute{peak < 40.0, rating_level(peak)};
  }, 1);
  EXPECT_GT(unfinished_events(run), 0);
  const double rarest = peak_at(f.peak, f.aep_to);
  double stopped = 0.0;
  for (const RiskEvent& e : run.events) stopped += e.peak >= 40.0 ? e.weight : 0.0;
  EXPECT_NEAR(level_aep(run, 0, rating_level(rarest) + 10.0), f.aep_to + stopped, 1e-15);
}

}  // namespace
}  // namespace risk
}  // namespace tqweir
