// The gates of the real section: their tables against direct solves, and a
// flood over the held leaf against a storage-indication routing written
// here on its own.
#include <cmath>
#include <cstdio>
#include <vector>

#include <gtest/gtest.h>

#include "flood/fixed_gate.h"
#include "flood/rating.h"
#include "flood/route.h"
#include "flood/route_stop.h"
#include "flood/sealed_gate.h"
#include "flood/tailwater_curve.h"
#include "flood/steady_level.h"
#include "search/case_probe.h"
#include "support/test_cases.h"

namespace tqweir {
namespace flood {
namespace {

double discharge_of(const search::CaseResult& r, double span) {
  return r.values[static_cast<std::size_t>(summary_index(SummaryId::overflow_discharge))] * span;
}

TEST(FloodGates, TablesEqualDirectSolvesAtTheirLevelsAndStayCloseBetween) {
  const CaseInput base = tqweir_test::standard_case();
  FixedGate fixed(base, 45.0, 0.05);
  SealedGate sealed(base, 0.05);
  double fixed_error = 0.0, sealed_error = 0.0;
  for (int i = 52; i < 70; i += 2) {  // 2.6 to 3.5 m, the leaf raised, then slack
    const double grid = i * 0.05, mid = (i + 0.5) * 0.05;
    EXPECT_EQ(fixed.outflow(grid, 0.0), fixed.direct(grid).state.outflow) << grid;
    fixed_error = std::fmax(fixed_error, std::fabs(fixed.outflow(mid, 0.0) -
                                                   fixed.direct(mid).state.outflow));
    // A sealed state is found to its search's tolerance, from another first
    // guess on the grid than alone: equal to about 1e-4 m3/s at grid levels.
    EXPECT_NEAR(sealed.outflow(grid, sealed.air()), sealed.direct(grid).state.outflow, 1e-3);
    sealed_error = std::fmax(sealed_error, std::fabs(sealed.outflow(mid, sealed.air()) -
                                                     sealed.direct(mid).state.outflow));
  }
  std::printf("largest error between grid levels: fixed %.3g, sealed %.3g m3/s\n", fixed_error,
              sealed_error);
  // The held leaf's crest does not move: the head is exact.
  EXPECT_LT(fixed_error, 1e-12);
  // Where the leaf goes down the crest's chord over 5 cm is off by up to
  // 0.03 m3/s (docs/flood.md); a crest taken from one end alone is off by 0.2.
  EXPECT_LT(sealed_error, 0.05);
  EXPECT_THROW(sealed.outflow(3.0, sealed.air() * 1.01), RouteStop);
}

// Routes on several threads read one table: once it is filled between the
// lowest and highest levels met, a level between them solves nothing, so no
// answer depends on which route asked first.
TEST(FloodGates, ATableFilledBetweenItsLevelsSolvesNoMore) {
  FixedGate gate(tqweir_test::standard_case(), 45.0, 0.05);
  gate.outflow(2.61, 0.0);
  gate.outflow(3.41, 0.0);
  gate.solve_between();
  const int solves = gate.solves();
  for (double level = 2.6; level < 3.45; level += 0.013) gate.outflow(level, 0.0);
  EXPECT_EQ(gate.solves(), solves);
}

// Storage indication (Puls): 2 S1/dt + O1 = I0 + I1 + 2 S0/dt - O0, with O
// linear between direct solves every 1 cm.
struct Puls {
  double span, area, crest, dt;
  std::vector<double> levels, flows;
  double outflow(double h) const {
    if (h <= levels.front()) return 0.0;
    const std::size_t i = static_cast<std::size_t>((h - levels.front()) / 0.01);
    const double w = (h - levels[i]) / 0.01;
    return flows[i] + w * (flows[i + 1] - flows[i]);
  }
  double level_for(double indication) const {
    double lo = levels.front(), hi = levels.back() - 0.011;
    for (int i = 0; i < 100; ++i) {
      const double mid = 0.5 * (lo + hi);
      (2 * area * mid / dt + outflow(mid) > indication ? hi : lo) = mid;
    }
    return 0.5 * (lo + hi);
  }
};

TEST(FloodGates, HeldLeafRoutesAsAStorageIndicationMethodDoes) {
  const CaseInput base = tqweir_test::standard_case();
  const double area = 2e5, hour = 3600.0;
  const Hydrograph flood{{0, 12 * hour, 36 * hour, 48 * hour}, {2, 25, 2, 2}};
  FixedGate gate(base, 45.0, 0.05);
  const Pond pond = Pond::from_area(area);
  RouteInput in;
  in.inflow = &flood;
  in.pond = &pond;
  in.gates = {&gate};
  in.start_airs = {0.0};
  in.start_level = steady_level(gate, 0.0, nullptr, 2.0, 2.6);
  const Route r = route(in);
  ASSERT_TRUE(r.finished) << r.stop;

  Puls puls{base.syogen.span, area, 0.0, 60.0, {}, {}};
  for (double h = 3.0; h < 5.2; h += 0.01) {
    puls.levels.push_back(h);
    puls.flows.push_back(discharge_of(
        search::solve_unrounded(search::with_value(base, input_field(InputId::upstream_level), h)),
        puls.span));
  }
  double h = in.start_level, peak = h;
  for (double t = 0; t < 48 * hour; t += puls.dt) {
    const double i0 = inflow_at(flood, t), i1 = inflow_at(flood, t + puls.dt);
    h = puls.level_for(i0 + i1 + 2 * area * h / puls.dt - puls.outflow(h));
    peak = std::fmax(peak, h);
  }
  std::printf("peak level: routed %.6f m, storage indication %.6f m\n", r.peak.level, peak);
  // Puls's trapezoid in time with 60 s steps and its 1 cm chords of the
  // rating each leave well under a millimetre at this peak.
  EXPECT_NEAR(r.peak.level, peak, 1e-3);
  EXPECT_NEAR(r.points.back().level, h, 1e-3);
}

// The lowered leaf held at 5 degrees under a tailwater that drowns it, a
// constant inflow for long enough: the route settles where the inflow
// equals the drowned discharge solved directly at the level (bisection on
// direct solves), well below where the free overfall would carry it.
TEST(FloodGates, DrownedLeafSettlesWhereTheDirectDrownedDischargeCarriesTheInflow) {
  const CaseInput base = tqweir_test::standard_case();
  TailwaterCurve tailwater;
  tailwater.curve = read_level_pairs("0:1.2 80:3.2", "test", "tailwater_curve", Values::either_sign);
  FixedGate gate(base, 5.0, 0.05);
  gate.drown_by(tailwater);
  const double inflow = 30.0;
  const Hydrograph flow{{0.0, 48 * 3600.0}, {inflow, inflow}};
  const Pond pond = Pond::from_area(5e4);
  RouteInput in;
  in.inflow = &flow;
  in.pond = &pond;
  in.gates = {&gate};
  in.start_airs = {0.0};
  in.start_level = 2.5;
  const Route r = route(in);
  ASSERT_TRUE(r.finished) << r.stop;

  double lo = 2.5, hi = 4.0;
  for (int i = 0; i < 50; ++i) {
    const double mid = 0.5 * (lo + hi);
    (gate.direct(mid).state.outflow > inflow ? hi : lo) = mid;
  }
  const GateState settled = gate.direct(lo).state;
  std::printf("drowned steady level: routed %.10f m, direct %.10f m (factor %.4f, tailwater %.4f m)\n",
              r.points.back().level, lo, settled.submergence, settled.tailwater_level);
  // 48 h are some 60 time constants of the pond; the held leaf's crest does
  // not move, so the grid's discharge is the direct one between its levels.
  EXPECT_NEAR(r.points.back().level, lo, 1e-8);
  EXPECT_LT(settled.submergence, 0.9);
  EXPECT_NEAR(settled.tailwater_level, table_value(tailwater.curve, settled.outflow), 1e-12);
}

TEST(FloodRating, RowsAreTheSolvesOfTheirLevelsAndStopsAreRows) {
  const CaseInput base = tqweir_test::standard_case();
  const std::vector<double> levels{2.5, 3.5};
  const std::vector<RatingRow> rows = rating(base, levels, {45.0, 200.0}, true);
  ASSERT_EQ(rows.size(), 6u);
  const search::CaseResult held =
      search::solve_unrounded(search::with_value(base, input_field(InputId::upstream_level), 3.5));
  EXPECT_EQ(rows[1].discharge, discharge_of(held, 10.0));
  EXPECT_STREQ(regime_word(rows[1].regime), "fixed");
  EXPECT_FALSE(rows[2].held);  // a leaf at 200 degrees does not stand
  EXPECT_STREQ(regime_word(rows[4].regime), "stopper");
  EXPECT_STREQ(regime_word(rows[5].regime), "slack");
  EXPECT_GT(rows[5].discharge, rows[1].discharge);  // the sealed leaf gave way
  const std::string table = rating_table(rows);
  EXPECT_EQ(table.substr(0, table.find('\n') + 1),
            "gate,upstream_level_m,regime,theta1_deg,stopper_tension_kn,status,"
            "discharge_m3s_per_m,discharge_m3s,message\r\n");
  EXPECT_NE(table.find("theta1_deg=200,2.5,none,,,"), std::string::npos) << table;

  // With a tailwater: the drowned discharge beside the free one, and a row
  // whose outflow leaves the curve not determined rather than free.
  TailwaterCurve tailwater;
  tailwater.curve = read_level_pairs("0:1.2 40:2.2", "test", "tailwater_curve", Values::either_sign);
  const std::vector<RatingRow> drowned = rating(base, {3.0, 4.0}, {5.0}, false, &tailwater);
  EXPECT_LT(drowned[0].drowned_discharge, 0.9 * drowned[0].discharge);
  const std::string with = rating_table(drowned, true);
  EXPECT_EQ(with.substr(0, with.find('\n') + 1),
            "gate,upstream_level_m,regime,theta1_deg,stopper_tension_kn,status,discharge_m3s_per_m,"
            "discharge_m3s,message,crest_height_m,tailwater_level_m,free_discharge_m3s,"
            "drowned_discharge_m3s\r\n");
  EXPECT_NE(with.find("theta1_deg=5,4,fixed,5,10,not_determined,"), std::string::npos) << with;
}

}  // namespace
}  // namespace flood
}  // namespace tqweir
