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
#include "flood/sealed_gate.h"
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

// A flood that lowers the leaf and raises it again within the hour, and its rule.
const char kHandMadeFlood[] = "hours,m3/s\n0,5\n0.03,5\n0.06,60\n0.15,60\n0.2,2\n1,2\n";
const char kHandMadeRule[] = "lower_at_level,3.14\nraise_at_level,3.12\ninitial_level,3.15\n";

std::vector<std::string> whats(const FloodPassage& p) {
  std::vector<std::string> w;
  for (const RuleSwitch& s : p.switches) w.push_back(switch_word(s.what));
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
  in.gates = {&weir};
  in.start_airs = {0.0};
  in.start_level = 3.2;
  // A level crossed rising, falling and either way.
  const RuleEvent up = RuleEvent::lower, down = RuleEvent::raise, either = RuleEvent::backup_lower;
  in.events = {{up, 0, 3.5, +1, nullptr}, {down, 0, 3.5, -1, nullptr}, {either, 0, 3.5, 0, nullptr}};
  const Route r = route(in);
  ASSERT_TRUE(r.finished) << r.stop;
  ASSERT_GT(r.peak.level, 3.6);
  std::vector<RuleEvent> names;
  for (const EventHit& hit : r.events) {
    names.push_back(hit.what);
    EXPECT_NEAR(hit.level, 3.5, 1e-6);
    EXPECT_EQ(hit.time < r.peak.time, hit.what == up || (hit.what == either && names.size() <= 2))
        << "at " << hit.time << " s";
  }
  EXPECT_EQ(names, (std::vector<RuleEvent>{up, either, down, either}));
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
  const FloodPassage p =
      flood_passage(base, rule_file(kHandMadeRule, kBlower), read_hydrograph(kHandMadeFlood, "inflow.csv"),
                    false, fine, &paths);
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
    if (hit.what != RuleEvent::leaf_down) continue;
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
    EXPECT_LE(p.route.points[k].airs[0], p.route.points[k - 1].airs[0])
        << "at " << p.route.points[k].time << " s";
  }
}

// Two identical gates, each with its own valve and blower, over a pond
// twice as large with twice the inflow: the storage, the inflow and the
// outflow are twice the one gate's to the bit, so on tolerances relative
// alone (an absolute one would not double with the storage) the route is
// the one gate's, each gate's air its air and each switch made at both
// gates when the one gate makes it.
TEST(FloodRule, IdenticalGatesOverAPondAsManyTimesLargerMoveAsOne) {
  const CaseInput base = tqweir_test::case_in_folder(kDesign);
  const operation::OperationFile file = rule_file(kHandMadeRule, kBlower);
  const Hydrograph inflow = read_hydrograph(kHandMadeFlood, "inflow.csv");
  PassageSettings relative;
  relative.route.absolute_tolerance = 0.0;
  SharedPaths paths;
  const FloodPassage one = flood_passage(base, file, inflow, false, relative, &paths);
  ASSERT_TRUE(one.route.finished) << one.route.stop;

  AirGate first(paths.grid), second(paths.grid);
  FloodRule rule(file, {&first, &second}, one.raised_air,
                 kCelsiusToKelvin + base.parameter.air_temperature, false);
  rule.start(one.start_level);
  Hydrograph twice = inflow;
  for (double& q : twice.flows) q *= 2.0;
  const Pond pond = Pond::from_area(2.0 * file.pond_area.value);
  RouteInput in;
  in.inflow = &twice;
  in.pond = &pond;
  in.gates = {&first, &second};
  in.start_level = one.start_level;
  in.start_airs = {one.raised_air, one.raised_air};
  operate_by(rule, in);
  RouteSettings settings = relative.route;
  settings.output_step = relative.output_step;
  const Route two = route(in, settings);
  ASSERT_TRUE(two.finished) << two.stop;

  ASSERT_EQ(two.points.size(), one.route.points.size());
  for (std::size_t k = 0; k < two.points.size(); ++k) {
    const RoutePoint &p = two.points[k], &q = one.route.points[k];
    ASSERT_EQ(p.level, q.level) << "at " << p.time << " s";
    ASSERT_EQ(p.airs, std::vector<double>(2, q.airs[0])) << "at " << p.time << " s";
  }
  const std::vector<RuleSwitch>& both = rule.switches();
  ASSERT_EQ(both.size(), 2 * one.switches.size());
  for (std::size_t k = 0; k < both.size(); ++k) {
    const RuleSwitch& s = both[k];
    EXPECT_EQ(s.gate, k % 2) << k;
    EXPECT_EQ(s.what, one.switches[k / 2].what) << k;
    EXPECT_EQ(s.time, one.switches[k / 2].time) << switch_text(s);
  }
}

// The weir's passage: three gates of one rule over a pond three times as
// large with three times the inflow route as the one gate does, each gate
// at every point at the one gate's angle and air with its discharge.
TEST(FloodRule, AWeirOfIdenticalGatesPassesAsOneGateOverAPondAsManyTimesLarger) {
  const CaseInput base = tqweir_test::case_in_folder(kDesign);
  const std::string rows = "valve_area,0.00005\nvalve_coefficient,0.6\nblower_curve," +
                           std::string(kBlower) + "\nlowered_angle,5\n" + kHandMadeRule;
  const Hydrograph inflow = read_hydrograph(kHandMadeFlood, "inflow.csv");
  PassageSettings relative;
  relative.route.absolute_tolerance = 0.0;
  SharedPaths paths;
  const FloodPassage one = flood_passage(
      base, operation::read_operation(rows + "pond_area,5000\n", "operation.csv"), inflow, false,
      relative, &paths);
  ASSERT_TRUE(one.route.finished) << one.route.stop;
  Hydrograph thrice = inflow;
  for (double& q : thrice.flows) q *= 3.0;
  const FloodPassage weir = flood_passage(
      base, operation::read_operation(rows + "pond_area,15000\ngates,3\n", "operation.csv"),
      thrice, false, relative, &paths);
  ASSERT_TRUE(weir.route.finished) << weir.route.stop;

  ASSERT_EQ(weir.gates.size(), 3u);
  ASSERT_EQ(weir.route.points.size(), one.route.points.size());
  // The gates alike to the bit; against the one gate, within the route's
  // tolerances (a third of a storage is not a third to the bit).
  for (std::size_t k = 0; k < one.route.points.size(); ++k) {
    const RoutePoint& p = weir.route.points[k];
    ASSERT_NEAR(p.level, one.route.points[k].level, 1e-5) << "at " << p.time << " s";
    double outflow = 0.0;
    for (std::size_t g = 0; g < 3; ++g) {
      const GateState& s = weir.gates[g].states[k];
      ASSERT_EQ(p.airs[g], p.airs[0]) << "gate " << g << " at " << p.time;
      ASSERT_EQ(s.theta1_deg, weir.gates[0].states[k].theta1_deg) << "gate " << g << " at " << p.time;
      ASSERT_EQ(s.outflow, weir.gates[0].states[k].outflow) << "gate " << g << " at " << p.time;
      outflow += s.outflow;
    }
    ASSERT_NEAR(p.airs[0], one.route.points[k].airs[0], 1e-5) << "at " << p.time << " s";
    ASSERT_NEAR(weir.gates[0].states[k].theta1_deg, one.states[k].theta1_deg, 1e-3) << p.time;
    ASSERT_NEAR(p.outflow, outflow, 1e-9 * outflow) << "at " << p.time << " s";
    ASSERT_NEAR(p.outflow, 3.0 * one.route.points[k].outflow, 1e-4) << "at " << p.time << " s";
  }
  ASSERT_EQ(weir.switches.size(), 3 * one.switches.size());
  for (std::size_t g = 0; g < 3; ++g) {
    EXPECT_NEAR(weir.gates[g].lowering.end, one.lowering.end, 0.01) << g;
    EXPECT_NEAR(weir.gates[g].raising.end, one.raising.end, 0.01) << g;
  }
}

// Every gate failed: the route is that of the sealed gate N times over the
// pond, the rule's levels passed by with nothing opened.
TEST(FloodRule, AWeirWhoseGatesAllFailPassesAsItsSealedGates) {
  const CaseInput base = tqweir_test::case_in_folder(kDesign);
  const operation::OperationFile file = rule_file(std::string(kHandMadeRule) + "gates,2\n", kBlower);
  const Hydrograph inflow = read_hydrograph(kHandMadeFlood, "inflow.csv");
  const FloodPassage failed = flood_passage(base, file, inflow, false, PassageSettings(), nullptr,
                                            {true, true});
  ASSERT_TRUE(failed.route.finished) << failed.route.stop;
  EXPECT_TRUE(failed.switches.empty());

  SealedGate sealed(base);
  const Pond pond = Pond::from_area(file.pond_area.value);
  RouteInput in;
  in.inflow = &inflow;
  in.pond = &pond;
  in.gates = {&sealed, &sealed};
  in.start_level = failed.start_level;
  in.start_airs = {sealed.air(), sealed.air()};
  RouteSettings settings;
  settings.output_step = PassageSettings().output_step;
  const Route held = route(in, settings);
  ASSERT_TRUE(held.finished) << held.stop;
  ASSERT_EQ(held.points.size(), failed.route.points.size());
  for (std::size_t k = 0; k < held.points.size(); ++k) {
    ASSERT_NEAR(failed.route.points[k].level, held.points[k].level, 1e-9) << held.points[k].time;
    for (const GatePassage& g : failed.gates) {
      ASSERT_EQ(g.states[k].theta1_deg, sealed.state(held.points[k].level, sealed.air()).theta1_deg);
    }
  }
  EXPECT_NEAR(failed.route.peak.level, held.peak.level, 1e-9);
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
  while (seated < p.states.size() && p.states[seated].regime != GateRegime::lowered) ++seated;
  ASSERT_LT(seated, p.states.size());
  const GateState& lowered = p.states[seated];
  const GateState& last = p.states.back();
  EXPECT_STREQ(regime_word(p.states.front().regime), "slack");  // raised, the stopper slack
  EXPECT_STREQ(regime_word(last.regime), "lowered");
  EXPECT_EQ(bag_p_abs(last, p.route.points.back().airs[0]), kAtmosphericPressure);
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
  EXPECT_NE(p.switches[4].detail.find("with the leaf at 5.0 degrees (its curve delivers nothing from 150.0 kPa)"),
            std::string::npos) << p.switches[4].detail;
  EXPECT_FALSE(p.raising.ended);
}

}  // namespace
}  // namespace flood
}  // namespace tqweir
