// The flood with the gate operated by its rule (examples/design_flood):
// when the valve, the float valve and the blower switch, a state of the
// gate over level and air against a plain solve, and operation.csv's flood
// rows refused where they stand.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/file_io.h"
#include "flood/air_gate.h"
#include "flood/flood_file.h"
#include "flood/flood_passage.h"
#include "search/case_probe.h"
#include "support/test_cases.h"
#include "text/input_error.h"

namespace tqweir {
namespace flood {
namespace {

const std::string kDesign = TQWEIR_SOURCE_DIR "/examples/design_flood";

operation::OperationFile example_rule(const std::string& extra = "") {
  operation::OperationFile file;
  EXPECT_TRUE(operation::read_operation_in(kDesign, file));
  if (extra.empty()) return file;
  return operation::read_operation(
      "valve_area,0.0002\nvalve_coefficient,0.6\nblower_curve,0:1.5 100:1.4 200:1.25 250:1.1 300:0\n"
      "lowered_angle,5\n" + extra, "operation.csv");
}

std::vector<std::string> whats(const FloodPassage& p) {
  std::vector<std::string> w;
  for (const RuleSwitch& s : p.switches) w.push_back(switch_text(s));
  return w;
}

TEST(FloodPassage, TheValveOpensAtItsLevelAndTheBlowerWaitsForTheLeafDown) {
  const CaseInput base = tqweir_test::case_in_folder(kDesign);
  // Started above lower_at_level in a small pond: the level falls past
  // raise_at_level while the leaf is still going down.
  const FloodPassage quick = flood_passage(
      base,
      example_rule("lower_at_level,3.14\nraise_at_level,3.12\npond_area,5000\ninitial_level,3.15\n"),
      read_hydrograph("hours,m3/s\n0,5\n1,5\n", "inflow.csv"), false);
  ASSERT_TRUE(quick.route.finished) << quick.route.stop;
  EXPECT_EQ(whats(quick), (std::vector<std::string>{"valve opens", "leaf not down", "leaf down",
                                                    "blower starts", "blower stops"}));
  EXPECT_EQ(quick.switches[3].time, quick.switches[2].time);
  EXPECT_LT(quick.switches[1].time, quick.switches[2].time);

  std::string bytes;
  ASSERT_TRUE(read_file(kDesign + "/design_flood.csv", bytes));
  const Hydrograph design_flood = read_hydrograph(bytes, "design_flood.csv");
  const FloodPassage p = flood_passage(base, example_rule(), design_flood, false);
  ASSERT_TRUE(p.route.finished) << p.route.stop;
  EXPECT_EQ(whats(p), (std::vector<std::string>{"valve opens", "leaf down", "blower starts",
                                                "blower stops"}));
  EXPECT_NEAR(p.switches[0].level, 3.1, 1e-6);  // lower_at_level, rising
  EXPECT_NEAR(p.switches[2].level, 1.8, 1e-6);  // raise_at_level, falling
  ASSERT_TRUE(p.raising.started && p.raising.ended);
  EXPECT_GT(p.raising.end, p.raising.start);

  // Without power only the float valve works, at its own level, and
  // nothing raises the leaf again.
  const FloodPassage dark = flood_passage(base, example_rule(), design_flood, true);
  ASSERT_TRUE(dark.route.finished) << dark.route.stop;
  EXPECT_EQ(whats(dark), (std::vector<std::string>{"float valve opens", "leaf down"}));
  EXPECT_NEAR(dark.switches[0].level, 3.3, 1e-6);
  EXPECT_FALSE(dark.raising.started);
  EXPECT_GT(dark.route.peak.level, p.route.peak.level);
}

TEST(FloodPassage, AStateAtAGridLevelIsThePlainSolveOfItsInputs) {
  const CaseInput base = tqweir_test::case_in_folder(kDesign);
  AirGate gate(base, 5.0);
  const double level = 3.0;  // a grid level
  const LevelPath path = gate.direct_path(level);
  ASSERT_TRUE(path.held);
  for (std::size_t k : {std::size_t{2}, path.states.size() / 2}) {
    const GateState s = gate.state(level, path.airs[k]);
    CaseInput input = base;
    input.parameter.upstream_level = level;
    input.parameter.theta1_deg = s.theta1_deg;
    input.parameter.stopper_tension = s.stopper_tension;
    const search::CaseResult plain = search::solve_unrounded(input);
    ASSERT_TRUE(plain.finished);
    // The solve of the state's inputs holds the air asked for.
    EXPECT_DOUBLE_EQ(plain.values[static_cast<std::size_t>(summary_index(SummaryId::air_volume))],
                     path.airs[k]);
    for (std::size_t i = 0; i < plain.values.size(); ++i) {
      EXPECT_DOUBLE_EQ(s.values[i], plain.values[i]) << "field " << i + 1 << " state " << k;
    }
    EXPECT_DOUBLE_EQ(s.outflow, plain.values[static_cast<std::size_t>(
                                    summary_index(SummaryId::overflow_discharge))] * base.syogen.span);
  }
}

// The blend between grid levels against the path solved at the level
// itself, for the air before the flood (the leaf sealed) and for an air
// halfway down the lowering: docs/flood.md gives the measured figures.
TEST(FloodPassage, TheGridOfPathsStaysCloseToTheDirectPath) {
  const CaseInput base = tqweir_test::case_in_folder(kDesign);
  AirGate gate(base, 5.0);
  const double sealed_air = search::solve_unrounded(base).values[static_cast<std::size_t>(
                                summary_index(SummaryId::air_volume))];
  double worst = 0.0;
  for (double level = 2.825; level < 3.5; level += 0.1) {
    const LevelPath direct = gate.direct_path(level);
    for (double air : {sealed_air, 0.5 * (sealed_air + direct.airs.back())}) {
      const double error = gate.outflow(level, air) - state_on_path(direct, air, gate.span()).outflow;
      worst = std::max(worst, std::fabs(error));
    }
  }
  std::printf("largest discharge error between grid levels: %.4g m3/s\n", worst);
  EXPECT_LT(worst, 0.05);  // measured 0.0117 m3/s
}

double field(const GateState& s, SummaryId id) {
  return s.values[static_cast<std::size_t>(summary_index(id))];
}

// With the tailwater following the outflow, every state of a grid level's
// path stands in the curve's level at its own outflow (hd_rel, the water
// line above the hinge); between grid levels the blend's miss is the
// scheme's error (docs/flood.md).
TEST(FloodPassage, TailwaterStatesStandInTheCurveAtTheirOwnOutflow) {
  const CaseInput base = tqweir_test::case_in_folder(kDesign);
  TailwaterCurve t;
  t.curve = read_flood_rows(example_rule("pond_area,1e5\ntailwater_curve,0:0.2 80:0.9\n")).tailwater;
  AirGate gate(base, 5.0);
  gate.follow_tailwater(t);
  const double level = 3.0;  // a grid level
  const LevelPath path = gate.direct_path(level);
  ASSERT_TRUE(path.held);
  ASSERT_GT(path.states.size(), 3u);
  for (const GateState& s : path.states) {
    EXPECT_NEAR(field(s, SummaryId::hd_rel), table_value(t.curve, s.outflow), 1e-4)
        << "theta1 " << s.theta1_deg;
  }
  // The water line follows the flow, not the case's own hd_nd.
  EXPECT_GT(field(path.states.back(), SummaryId::hd_rel) - field(path.states[0], SummaryId::hd_rel),
            0.1);
  double worst = 0.0, worst_hd = 0.0, worst_q = 0.0;
  for (double between = 2.825; between < 3.2; between += 0.1) {
    const LevelPath direct = gate.direct_path(between);
    for (double air : {path.airs[0], 0.5 * (path.airs[0] + path.airs.back())}) {
      const GateState s = gate.state(between, air);
      const GateState d = state_on_path(direct, air, gate.span());
      worst = std::max(worst, std::fabs(field(s, SummaryId::hd_rel) - table_value(t.curve, s.outflow)));
      worst_hd = std::max(worst_hd, std::fabs(field(s, SummaryId::hd_nd) - field(d, SummaryId::hd_nd)));
      worst_q = std::max(worst_q, std::fabs(s.outflow - d.outflow));
    }
  }
  std::printf("between grid levels, largest tailwater miss %.4g m, against the direct path: "
              "hd_nd %.4g, discharge %.4g m3/s\n", worst, worst_hd, worst_q);
  EXPECT_LT(worst, 0.01);
}

TEST(FloodPassage, AFloodRowIsRefusedWithItsLineAndColumn) {
  const struct {
    std::string text, expected;
  } bad[] = {
      {"pond_area,1e5\nlower_at_level,high\n", "operation.csv line 6, column 2 (lower_at_level)"},
      {"storage_curve,2:10 1:20\n", "operation.csv line 5, column 2 (storage_curve)"},
      {"pond_area,1e5\nstorage_curve,2:10 3:20\n", "operation.csv line 6, column 2 (storage_curve)"},
      {"pond_area,1e5\nlower_at_level,3\nraise_at_level,3.5\n", "line 7, column 2 (raise_at_level)"},
      {"pond_area,1e5\nbackup_lower_at_level,3.3\nraise_at_level,3.5\n",
       "line 7, column 2 (raise_at_level): 3.5 is not below backup_lower_at_level 3.3"},
      {"lower_at_level,3\n", "a flood needs storage_curve"},
      {"pond_area,1e5\ntailwater_curve,5:0.3 2:0.4\n", "line 6, column 2 (tailwater_curve), tailwater_curve pair 2"},
  };
  for (const auto& b : bad) {
    try {
      read_flood_rows(example_rule(b.text));
      ADD_FAILURE() << "accepted " << b.text;
    } catch (const text::InputError& e) {
      EXPECT_NE(std::string(e.what()).find(b.expected), std::string::npos) << e.what();
    }
  }
}

// The quick flood above, its hydrograph from -10 h: the valve the start's
// level opens opens at the first row, and the lowering and raising are
// the switches' own times, all before 0.
TEST(FloodPassage, AHydrographBeforeZeroKeepsItsOwnTimes) {
  const FloodPassage p = flood_passage(
      tqweir_test::case_in_folder(kDesign),
      example_rule("lower_at_level,3.14\nraise_at_level,3.12\npond_area,5000\ninitial_level,3.15\n"),
      read_hydrograph("hours,m3/s\n-10,5\n-9,5\n", "inflow.csv"), false);
  ASSERT_TRUE(p.route.finished) << p.route.stop;
  ASSERT_EQ(whats(p).size(), 5u);
  EXPECT_EQ(p.switches[0].time, -36000.0);
  EXPECT_TRUE(p.lowering.started && p.lowering.ended && p.raising.started && p.raising.ended);
  EXPECT_EQ(p.lowering.start, -36000.0);
  EXPECT_EQ(p.lowering.end, p.switches[2].time);
  EXPECT_EQ(p.raising.start, p.switches[3].time);
  EXPECT_EQ(p.raising.end, p.switches[4].time);
  EXPECT_LT(p.raising.end, -32400.0);
  EXPECT_FALSE(p.down_at_start);
}

}  // namespace
}  // namespace flood
}  // namespace tqweir
