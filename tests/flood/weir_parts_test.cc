// The weir beside the gate: the fixed crest's discharge against the weir
// law free and drowned, the leaf's coefficient against its angle (a curve
// of the method's own coefficient changes nothing, one outside its angles
// stops), and the time the nappe spends in its vibration band.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/file_io.h"
#include "flood/crest_weir.h"
#include "flood/fixed_gate.h"
#include "flood/flood_file.h"
#include "flood/flood_passage.h"
#include "flood/leaf_coefficient.h"
#include "flood/rating.h"
#include "flood/route_stop.h"
#include "flood/steady_level.h"
#include "flood/vibration_band.h"
#include "support/test_cases.h"
#include "text/input_error.h"

namespace tqweir {
namespace flood {
namespace {

const std::string kDesign = TQWEIR_SOURCE_DIR "/examples/design_flood";

operation::OperationFile rows_of(const std::string& text) {
  return operation::read_operation("name,value\n" + text, "operation.csv");
}

TEST(FixedCrest, DischargeIsTheWeirLawFreeAndDrownedAndJoinsThePondsOutflow) {
  const FixedCrest c{12.0, 2.0, 1.8};
  // C L h^1.5 at h = 1.5 m, worked out apart from the code.
  const double free = 1.8 * 12.0 * 1.5 * std::sqrt(1.5);
  EXPECT_NEAR(crest_free_outflow(c, 3.5), free, 1e-12);
  EXPECT_EQ(crest_free_outflow(c, 1.9), 0.0);
  // A tailwater half way up the head: Villemonte's (1 - 0.5^1.5)^0.385.
  EXPECT_NEAR(crest_drowned_outflow(c, 3.5, 2.75), free * 0.8453860455858134, 1e-12);

  // The tailwater the gates' 10 m3/s and the crest's own drowned flow
  // raise: it stands on the curve at their sum.
  TailwaterCurve t;
  t.curve = read_level_pairs("0:2 100:4", "test", "tailwater_curve", Values::either_sign);
  t.crests = {c};
  const WeirTailwater w = weir_tailwater(t, 3.5, 10.0);
  EXPECT_NEAR(w.level, 2.0 + 0.02 * (10.0 + w.crests), 1e-11);
  EXPECT_NEAR(w.crests, free * std::pow(1.0 - std::pow((w.level - 2.0) / 1.5, 1.5), 0.385), 1e-11);
  EXPECT_LT(w.crests, 0.9 * free);

  // Beside a weir of 10 (h - 3)^1.5 a crest of C L = 5 at 3 m: the pond
  // settles where 15 (h - 3)^1.5 carries the inflow, from the start and
  // at the end of two days of it.
  CrestWeir gate(10.0, 3.0);
  const std::vector<FixedCrest> crests{{2.5, 3.0, 2.0}};
  const FixedOutflow fixed = [&crests](double level, double gates) {
    return fixed_crests_outflow(crests, nullptr, level, gates);
  };
  const double settled = 3.0 + std::pow(20.0 / 15.0, 2.0 / 3.0);
  EXPECT_NEAR(steady_level(gate, 0.0, nullptr, 20.0, 3.0, kSteadyTolerance, fixed), settled, 1e-8);
  const Hydrograph inflow = read_hydrograph("hours,m3/s\n0,20\n48,20\n", "inflow.csv");
  const Pond pond = Pond::from_area(100000.0);
  RouteInput in;
  in.inflow = &inflow;
  in.pond = &pond;
  in.gates = {&gate};
  in.start_level = 3.0;
  in.start_airs = {0.0};
  in.fixed_outflow = fixed;
  const Route r = route(in);
  ASSERT_TRUE(r.finished) << r.stop;
  EXPECT_NEAR(r.points.back().level, settled, 1e-8);
  EXPECT_NEAR(r.points.back().fixed_outflow, 20.0 / 3.0, 1e-6);
}

TEST(LeafCoefficientCurve, TheMethodsOwnCoefficientChangesNoBitAndAnotherScalesTheLeaf) {
  // A coefficient other than 1, so that a ratio taken in the wrong order
  // shows in the last bit.
  CaseInput base = tqweir_test::case_in_folder(kDesign);
  base.syogen.discharge_coefficient = 1.7;
  const std::string rule =
      "valve_area,0.0002\nvalve_coefficient,0.6\nblower_curve,0:1.5 100:1.4 200:1.25 250:1.1 300:0\n"
      "lowered_angle,5\nlower_at_level,3.14\nraise_at_level,3.12\npond_area,5000\n"
      "initial_level,3.15\n";
  const Hydrograph inflow = read_hydrograph("hours,m3/s\n0,5\n1,5\n", "inflow.csv");
  const FloodPassage without = flood_passage(base, rows_of(rule), inflow, false);
  const FloodPassage with = flood_passage(
      base, rows_of(rule + "discharge_coefficient_curve,1:1.7 30:1.7 90:1.7\n"), inflow, false);
  ASSERT_TRUE(without.route.finished) << without.route.stop;
  ASSERT_EQ(with.route.points.size(), without.route.points.size());
  EXPECT_EQ(with.route.steps, without.route.steps);
  for (std::size_t k = 0; k < with.route.points.size(); ++k) {
    const RoutePoint &a = with.route.points[k], &b = without.route.points[k];
    EXPECT_EQ(a.level, b.level) << k;
    EXPECT_EQ(a.outflow, b.outflow) << k;
    EXPECT_EQ(a.airs, b.airs) << k;
    EXPECT_EQ(with.states[k].values, without.states[k].values) << k;
  }
  EXPECT_EQ(with.switches.size(), without.switches.size());

  // A coefficient of half the method's halves the held leaf's discharge.
  const WeirRows half = read_weir_rows(rows_of("discharge_coefficient_curve,1:0.85 90:0.85\n"));
  const std::vector<RatingRow> plain = rating(base, {3.5}, {45.0}, false);
  const std::vector<RatingRow> rows = rating(base, {3.5}, {45.0}, false, nullptr, &half);
  EXPECT_EQ(rows[0].discharge, 0.5 * plain[0].discharge);

  // The ratio first, to the bit, over many discharges: (q C) / C is not q
  // for about one q in eight, q (C / C) always is; so too for half of C.
  const LevelTable same = read_level_pairs("1:1.7 90:1.7", "test", "discharge_coefficient_curve", Values::any);
  const LevelTable halved = read_level_pairs("1:0.85 90:0.85", "test", "discharge_coefficient_curve", Values::any);
  SummaryValues v{};
  v[static_cast<std::size_t>(summary_index(SummaryId::theta1_deg))] = 45.0;
  v[static_cast<std::size_t>(summary_index(SummaryId::discharge_coefficient))] = 1.7;
  for (int k = 1; k <= 500; ++k) {
    const double q = 0.0137 * k;
    v[static_cast<std::size_t>(summary_index(SummaryId::overflow_discharge))] = q;
    ASSERT_EQ(leaf_discharge_per_metre(v, &same), q) << q;
    ASSERT_EQ(leaf_discharge_per_metre(v, &halved), 0.5 * q) << q;
  }
}

TEST(LeafCoefficientCurve, AnAngleOutsideTheCurveStopsAndABadRowIsRefusedWhereItStands) {
  const CaseInput base = tqweir_test::case_in_folder(kDesign);
  FixedGate gate(base, 45.0);
  gate.use_coefficient_curve(
      read_level_pairs("50:1.1 80:1.3", "test", "discharge_coefficient_curve", Values::any));
  try {
    gate.outflow(3.5, 0.0);
    ADD_FAILURE() << "no stop";
  } catch (const RouteStop& stop) {
    EXPECT_NE(std::string(stop.what())
                  .find("the leaf angle 45 degrees is outside discharge_coefficient_curve (50 to 80 degrees)"),
              std::string::npos)
        << stop.what();
  }
  const WeirRows weir = read_weir_rows(rows_of("discharge_coefficient_curve,50:1.1 80:1.3\n"));
  const std::vector<RatingRow> rows = rating(base, {3.5}, {45.0}, false, nullptr, &weir);
  EXPECT_NE(rating_table(rows).find("fixed,45,10,not_determined,,,the leaf angle 45"),
            std::string::npos)
      << rating_table(rows);

  for (const auto& bad : {std::make_pair("discharge_coefficient_curve,10:1 80:0\n", "pair 2"),
                          std::make_pair("fixed_crest,12 3.1\n", "got 2 numbers"),
                          std::make_pair("fixed_crest,12 3.1 -1\n", "(C)"),
                          std::make_pair("vibration_band,0.2:0.1\n", "not above its start")}) {
    try {
      read_weir_rows(rows_of(bad.first));
      ADD_FAILURE() << bad.first;
    } catch (const text::InputError& e) {
      EXPECT_NE(std::string(e.what()).find("operation.csv line 2, column 2"), std::string::npos)
          << e.what();
      EXPECT_NE(std::string(e.what()).find(bad.second), std::string::npos) << e.what();
    }
  }
}

TEST(VibrationBand, TimeInsideIsTheHandComputedCrossingsOfTheStraightLines) {
  // Band 0.05 to 0.2 m. Minute by minute: 0 -> 0.1 enters half way (30 s);
  // 0.1 -> 0.3 leaves half way (30 s); 0.3 stays out; 0.3 -> 0.05 enters
  // at 0.4 of the minute (36 s); 0.05 held on the band's edge (60 s);
  // 0.05 -> 0.5 leaves a third of the way (20 s): 176 s.
  const std::vector<double> times{0, 60, 120, 180, 240, 300, 360};
  const std::vector<double> depths{0.0, 0.1, 0.3, 0.3, 0.05, 0.05, 0.5};
  EXPECT_NEAR(time_in_band(times, depths, 0.05, 0.2), 176.0, 1e-9);

  GateState over, under;
  over.level = 3.0;
  under.level = 2.8;
  for (GateState* s : {&over, &under}) {
    s->values[static_cast<std::size_t>(summary_index(SummaryId::crest_height))] = 2.9;
  }
  const std::vector<double> d = overflow_depths({over, under});
  EXPECT_NEAR(d[0], 0.1, 1e-15);
  EXPECT_EQ(d[1], 0.0);
}

// A weir's total over its rating row: every gate's leaf and the crest, once each.
TEST(FixedCrest, TheRatingsTotalOfAWeirCountsEveryGateAndTheCrestOnce) {
  RatingRow r;
  r.held = true;
  r.discharge = 2.0;
  r.has_total = true;
  r.fixed_crest = 5.0;
  r.total = 7.0;  // one leaf and the crest
  const std::string table = rating_table({r}, false, 3, true);
  EXPECT_NE(table.find(",6,5,11\r\n"), std::string::npos) << table;
  EXPECT_NE(rating_table({r}, false, 1, true).find(",5,7\r\n"), std::string::npos);
}

}  // namespace
}  // namespace flood
}  // namespace tqweir
