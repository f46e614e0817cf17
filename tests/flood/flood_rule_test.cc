// The rule over hand-made floods whose events are known: which pass of a
// level an event is met on, the valve and the float valve from the start,
// the leaf coming down, the vented bag on its seat and the blower's stall.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/constants.h"
#include "flood/crest_weir.h"
#include "flood/flood_passage.h"
#include "flood/route.h"
#include "support/test_cases.h"

namespace tqweir {
namespace flood {
namespace {

const std::string kDesign = TQWEIR_SOURCE_DIR "/examples/design_flood";

// The example's valve and blower, a small pond, and the rows `rule`.
operation::OperationFile rule_file(const std::string& rule, const std::string& blower) {
  return operation::read_operation("valve_area,0.00005\nvalve_coefficient,0.6\nblower_curve," +
                                       blower + "\nlowered_angle,5\npond_area,5000\n" + rule,
                                   "operation.csv");
}

const char kBlower[] = "0:1.5 100:1.4 200:1.25 250:1.1 300:0";

std::vector<std::string> whats(const FloodPassage& p) {
  std::vector<std::string> w;
  for (const RuleSwitch& s : p.switches) w.push_back(s.what.substr(0, s.what.find(" at ")));
  return w;
}

double field(const GateState& s, SummaryId id) {
  return s.values[static_cast<std::size_t>(summary_index(id))];
}

// Each event on its own pass only: a flood over a plain weir rising through
// 3.5 m and falling back through it.
TEST(FloodRule, ALevelEventIsMetOnItsOwnPassOnly) {
  CrestWeir weir(10.0, 3.0);
  const Hydrograph flood{{0.0, 3 * 3600.0, 12 * 3600.0, 36 * 3600.0}, {2.0, 60.0, 2.0, 2.0}};
  const Pond pond = Pond::from_area(1e5);
  RouteInput in;
  in.inflow = &flood;
  in.pond = &pond;
  in.gate = &weir;
  in.start_level = 3.2;
  in.events = {{"up", 3.5, +1, nullptr}, {"down", 3.5, -1, nullptr}, {"either", 3.5, 0, nullptr}};
  const Route r = route(in);
  ASSERT_TRUE(r.finished) << r.stop;
  ASSERT_GT(r.peak.level, 3.6);
  std::vector<std::string> names;
  for (const EventHit& hit : r.events) {
    names.push_back(hit.name);
    EXPECT_NEAR(hit.level, 3.5, 1e-6);
    EXPECT_EQ(hit.time < r.peak.time, hit.name == "up" || (hit.name == "either" && names.size() <= 2))
        << hit.name << " at " << hit.time << " s";
  }
  EXPECT_EQ(names, (std::vector<std::string>{"up", "either", "down", "either"}));
}

// Started above lower_at_level, the valve is open from the first instant;
// the level falls past raise_at_level before the leaf is down, rises back
// through it (nothing: the rule raises on the falling pass) and above
// lower_at_level while the leaf comes down, and the blower starts only when
// the flood falls past raise_at_level again.
TEST(FloodRule, TheRuleActsOnTheLevelsAndTheAirOfAHandMadeFlood) {
  const CaseInput base = tqweir_test::case_in_folder(kDesign);
  PassageSettings fine;
  fine.route.event_tolerance = 1e-6;  // s: the leaf's air then moves by 1e-8 m3/m at most
  SharedPaths paths;
  const FloodPassage p = flood_passage(
      base, rule_file("lower_at_level,3.14\nraise_at_level,3.12\ninitial_level,3.15\n", kBlower),
      read_hydrograph("hours,m3/s\n0,5\n0.03,5\n0.06,60\n0.15,60\n0.2,2\n1,2\n", "inflow.csv"), false,
      fine, &paths);
  ASSERT_TRUE(p.route.finished) << p.route.stop;
  ASSERT_EQ(whats(p), (std::vector<std::string>{"valve opens", "leaf not down", "leaf down",
                                                "blower starts", "blower stops"}));
  EXPECT_EQ(p.switches[0].time, 0.0);
  EXPECT_NEAR(p.switches[1].level, 3.12, 1e-6);
  EXPECT_GT(p.switches[2].level, 3.14);
  EXPECT_NEAR(p.switches[3].level, 3.12, 1e-6);

  // The leaf counts as down as its air reaches the lowered state's, not
  // after it has passed it.
  AirGate gate(paths.grid);
  int downs = 0;
  for (const EventHit& hit : p.route.events) {
    if (hit.name != "leaf down") continue;
    ++downs;
    const double lowered = gate.lowered_air(hit.level);
    EXPECT_GT(hit.air, lowered);
    EXPECT_LE(hit.air, lowered * (1.0 + 2.0 * kDownAirShare));
  }
  EXPECT_EQ(downs, 1);

  // The exhaust lets air out only: with the valve open and the blower off
  // the air never rises, down to the bag at atmospheric pressure.
  for (std::size_t k = 1; k < p.route.points.size(); ++k) {
    if (p.route.points[k].time > p.switches[3].time) break;
    EXPECT_LE(p.route.points[k].air, p.route.points[k - 1].air) << "at " << p.route.points[k].time << " s";
  }
}

// Without power, started above the float valve's level: the float opens it
// at once; the leaf comes down and the bag vents on its seat, its pressure
// and tension those of the air left, not the lowered state's.
TEST(FloodRule, TheFloatValveOpensWithThePondAboveItAndTheSeatedBagVents) {
  const CaseInput base = tqweir_test::case_in_folder(kDesign);
  const FloodPassage p = flood_passage(
      base, rule_file("backup_lower_at_level,3.3\ninitial_level,3.35\n", kBlower),
      read_hydrograph("hours,m3/s\n0,5\n1,5\n", "inflow.csv"), true);
  ASSERT_TRUE(p.route.finished) << p.route.stop;
  ASSERT_EQ(whats(p), (std::vector<std::string>{"float valve opens", "leaf down"}));
  EXPECT_EQ(p.switches[0].time, 0.0);
  std::size_t seated = 0;
  while (seated < p.states.size() && p.states[seated].regime != "lowered") ++seated;
  ASSERT_LT(seated, p.states.size());
  const GateState& lowered = p.states[seated];
  const GateState& last = p.states.back();
  EXPECT_EQ(last.regime, "lowered");
  EXPECT_EQ(bag_p_abs(last, p.route.points.back().air), kAtmosphericPressure);
  for (SummaryId id : {SummaryId::pressure_at_temperature, SummaryId::bag_tension}) {
    EXPECT_LT(field(last, id), 0.1 * field(lowered, id)) << summary_field(id).name;
  }
}

// A blower whose curve delivers nothing from below the lowered leaf's
// pressure stalls filling the vented bag: the switch says where.
TEST(FloodRule, ABlowerBelowTheLeafsPressureStalls) {
  const CaseInput base = tqweir_test::case_in_folder(kDesign);
  const FloodPassage p = flood_passage(
      base, rule_file("lower_at_level,3.14\nraise_at_level,3.12\ninitial_level,3.15\n", "0:1.5 150:0"),
      read_hydrograph("hours,m3/s\n0,5\n1,5\n", "inflow.csv"), false);
  ASSERT_TRUE(p.route.finished) << p.route.stop;
  ASSERT_EQ(whats(p), (std::vector<std::string>{"valve opens", "leaf not down", "leaf down",
                                                "blower starts", "blower stalls"}));
  EXPECT_NE(p.switches[4].what.find("with the leaf at 5.0 degrees (its curve delivers nothing from 150.0 kPa)"),
            std::string::npos) << p.switches[4].what;
  EXPECT_FALSE(p.raising.ended);
}

}  // namespace
}  // namespace flood
}  // namespace tqweir
