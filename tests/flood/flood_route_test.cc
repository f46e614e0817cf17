// The routing against closed forms of a pond over a weir a (h - c)^1.5.
#include <cmath>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "flood/crest_weir.h"
#include "flood/route.h"
#include "flood/route_stop.h"
#include "flood/steady_level.h"

namespace tqweir {
namespace flood {
namespace {


constexpr double kA = 10.0;       // span 10 m times discharge coefficient 1
constexpr double kCrest = 3.0;    // m
constexpr double kArea = 1.0e5;   // m2
constexpr double kHour = 3600.0;

Hydrograph steady_inflow(double flow, double hours) { return {{0.0, hours * kHour}, {flow, flow}}; }

RouteInput input_of(const Hydrograph* inflow, const Pond* pond, Gate* gate) {
  RouteInput in;
  in.inflow = inflow;
  in.pond = pond;
  in.gates = {gate};
  in.start_airs = {0.0};
  return in;
}

// A flood rising from 2 to 30 m3/s in 10 hours and back in 20.
Hydrograph design_flood() {
  return {{0.0, 10 * kHour, 30 * kHour, 48 * kHour}, {2.0, 30.0, 2.0, 2.0}};
}

// Storage rising faster above 4 m: the area changes at every row.
Pond surveyed_pond() {
  return Pond::from_curve({"storage_curve", {2, 3, 4, 5, 6, 8}, {0, 5e4, 1.5e5, 3e5, 5e5, 1e6}});
}

// A pond of constant area draining from 4 m over the weir, no inflow.
struct DrainingPond {
  explicit DrainingPond(double hours) : dry(steady_inflow(0.0, hours)) {
    in = input_of(&dry, &pond, &weir);
    in.start_level = 4.0;
  }
  CrestWeir weir{kA, kCrest};
  Hydrograph dry;
  Pond pond = Pond::from_area(kArea);
  RouteInput in;
};

TEST(FloodRoute, DrainingPondFollowsItsClosedForm) {
  // A dh/dt = -a (h - c)^1.5 gives (h - c)^-1/2 = (h0 - c)^-1/2 + a t / (2 A).
  DrainingPond draining(24);
  const Route r = route(draining.in);
  ASSERT_TRUE(r.finished) << r.stop;
  ASSERT_GT(r.points.size(), 10u);
  for (const RoutePoint& p : r.points) {
    const double exact = kCrest + std::pow(1.0 + kA * p.time / (2 * kArea), -2.0);
    EXPECT_NEAR(p.level, exact, 1e-8) << "at " << p.time << " s";
  }
}

TEST(FloodRoute, ConstantInflowEndsAtItsSteadyLevel) {
  CrestWeir weir(kA, kCrest);
  const Hydrograph flow = steady_inflow(20.0, 48);
  const Pond pond = Pond::from_area(kArea);
  RouteInput in = input_of(&flow, &pond, &weir);
  in.start_level = kCrest;
  const Route r = route(in);
  ASSERT_TRUE(r.finished) << r.stop;
  const double exact = kCrest + std::pow(20.0 / kA, 2.0 / 3.0);
  // 48 h are 33 time constants A / (dQ/dh) of the pond at its steady level.
  EXPECT_NEAR(r.points.back().level, exact, 1e-8);
  EXPECT_NEAR(steady_level(weir, 0.0, nullptr, 20.0, 0.0), exact, 1e-8);
  EXPECT_NEAR(steady_level(weir, 0.0, nullptr, 0.0, 0.0), kCrest, 1e-8);
}

// Weirs of 4 and 6 m^1.5/s side by side pass what one of 10 does, so the
// pond's level is that one's; each gate's air falls at its own rate, and
// each gate's event is met at its own air and names its gate. Over a pond
// of 2 m2 too, stepped by the stiff method (the one weir's route there
// takes other steps, its level within the method's 0.4 mm, docs/flood.md).
TEST(FloodRoute, GatesSideBySideShareTheLevelAndKeepTheirOwnAir) {
  const Hydrograph flood = design_flood();
  for (const double area : {kArea, 2.0}) {
    const bool stiff = area < 10.0;
    const Pond pond = Pond::from_area(area);
    CrestWeir one(kA, kCrest), left(0.4 * kA, kCrest), right(0.6 * kA, kCrest);
    RouteInput alone = input_of(&flood, &pond, &one);
    alone.start_level = steady_level(one, 0.0, nullptr, 2.0, kCrest);
    RouteInput pair = alone;
    pair.gates = {&left, &right};
    pair.start_airs = {1.0, 1.0};
    const double rates[] = {-1e-5, -3e-5};  // m3/m per s
    pair.air_rate = [&rates](double, double, std::size_t g, double) { return rates[g]; };
    auto half_air = [](double, double air) { return air - 0.5; };
    pair.events = {{RuleEvent::leaf_down, 0, 0.0, -1, half_air},
                   {RuleEvent::leaf_down, 1, 0.0, -1, half_air}};
    RouteSettings hourly;
    hourly.output_step = kHour;
    const Route a = route(alone, hourly), b = route(pair, hourly);
    ASSERT_TRUE(a.finished && b.finished) << a.stop << b.stop;
    EXPECT_EQ(b.stiff_from >= 0.0, stiff) << area;
    ASSERT_EQ(a.points.size(), b.points.size());
    for (std::size_t k = 0; k < a.points.size(); ++k) {
      const RoutePoint& p = b.points[k];
      EXPECT_NEAR(p.level, a.points[k].level, stiff ? 4e-4 : 1e-8) << area << " m2 at " << p.time << " s";
      for (std::size_t g = 0; g < 2; ++g) EXPECT_NEAR(p.airs[g], 1.0 + rates[g] * p.time, 1e-9);
    }
    ASSERT_EQ(b.events.size(), 2u);
    EXPECT_EQ(b.events[0].gate, 1u);  // the faster one first
    for (const EventHit& hit : b.events) {
      EXPECT_NEAR(hit.time, -0.5 / rates[hit.gate], hourly.event_tolerance + 1e-6);
      EXPECT_NEAR(hit.air, 0.5, 1e-7);
    }
  }
}

TEST(FloodRoute, VolumeBalanceClosesOverAHydrograph) {
  CrestWeir weir(kA, kCrest);
  const Hydrograph flood = design_flood();
  const Pond pond = surveyed_pond();
  // A spillway from 4 m besides the weir.
  const LevelTable spillway{"other_outflow", {2, 4, 8}, {0, 0, 40}};
  RouteInput in = input_of(&flood, &pond, &weir);
  in.other_outflow = &spillway;
  in.start_level = steady_level(weir, 0.0, &spillway, 2.0, 2.0);
  RouteSettings fine;
  fine.output_step = 10.0;
  const Route r = route(in, fine);
  ASSERT_TRUE(r.finished) << r.stop;
  ASSERT_GT(r.peak.level, 4.2);
  // Each volume on its own: the inflow by the rows, the outflow by the
  // trapezoid rule on 10 s points, the storage by the curve.
  double in_volume = 0.0, out_volume = 0.0;
  for (std::size_t k = 0; k + 1 < flood.seconds.size(); ++k) {
    const double span = flood.seconds[k + 1] - flood.seconds[k];
    in_volume += 0.5 * (flood.flows[k] + flood.flows[k + 1]) * span;
  }
  auto outflow = [&](double level) {
    return weir.outflow(level, 0) + (level > 4 ? 10 * (level - 4) : 0.0);
  };
  for (std::size_t i = 0; i + 1 < r.points.size(); ++i) {
    const RoutePoint &p = r.points[i], &q = r.points[i + 1];
    out_volume += 0.5 * (outflow(p.level) + outflow(q.level)) * (q.time - p.time);
  }
  const double stored = pond.storage(r.points.back().level) - pond.storage(r.points.front().level);
  EXPECT_NEAR(r.inflow_volume, in_volume, 1e-9 * in_volume);
  EXPECT_NEAR(r.outflow_volume, out_volume, 1e-6 * in_volume);
  EXPECT_NEAR(in_volume - out_volume - stored, 0.0, 1e-6 * in_volume);
}

TEST(FloodRoute, PeakIsWhereInflowMeetsOutflowAndHoldsAsTheToleranceHalves) {
  CrestWeir weir(kA, kCrest);
  const Hydrograph flood = design_flood();
  const Pond pond = surveyed_pond();
  RouteInput in = input_of(&flood, &pond, &weir);
  in.start_level = steady_level(weir, 0.0, nullptr, 2.0, 2.0);
  RouteSettings coarse, half;
  half.relative_tolerance = coarse.relative_tolerance / 2;
  half.absolute_tolerance = coarse.absolute_tolerance / 2;
  const Route a = route(in, coarse), b = route(in, half);
  ASSERT_TRUE(a.finished && b.finished);
  EXPECT_LT(std::fabs(a.peak.level - b.peak.level), 1e-3);
  // A level pool peaks on the falling limb, where the outflow meets the
  // inflow; the peak's bracket of 1 ms leaves |I - O| below 1e-6 m3/s.
  EXPECT_GT(a.peak.time, 10 * kHour);
  EXPECT_NEAR(a.peak.inflow, a.peak.outflow, 1e-5);
  for (const RoutePoint& p : a.points) EXPECT_LE(p.level, a.peak.level);
}

TEST(FloodRoute, EventIsLocatedToItsToleranceAndRestartsTheModel) {
  DrainingPond draining(6);
  RouteInput& in = draining.in;
  in.start_airs = {1.0};
  in.events = {{RuleEvent::lower, 0, 3.5, +1, nullptr}, {RuleEvent::raise, 0, 3.5, -1, nullptr}};
  double rate = 0.0;
  in.air_rate = [&rate](double, double, std::size_t, double) { return rate; };
  in.on_event = [&rate](const EventHit&) {
    rate = -1e-5;  // the valve opens
    return true;
  };
  RouteSettings settings;
  settings.relative_tolerance = 1e-12;
  settings.absolute_tolerance = 1e-9;
  const Route r = route(in, settings);
  ASSERT_TRUE(r.finished) << r.stop;
  ASSERT_EQ(r.events.size(), 1u);
  EXPECT_EQ(r.events[0].what, RuleEvent::raise);
  // (h - c)^-1/2 reaches 0.5^-1/2 at t = 2 A / a (sqrt 2 - 1).
  const double exact = 2 * kArea / kA * (std::sqrt(2.0) - 1.0);
  EXPECT_GE(r.events[0].time, exact - 1e-5);
  EXPECT_LE(r.events[0].time, exact + settings.event_tolerance + 1e-5);
  EXPECT_NEAR(r.points.back().airs[0], 1.0 - 1e-5 * (6 * kHour - r.events[0].time), 1e-9);
}

// A gate whose discharge is not a number above 3.5 m.
class BrokenGate : public CrestWeir {
 public:
  BrokenGate() : CrestWeir(kA, kCrest) {}
  double outflow(double level, double air) override {
    if (level > 3.5) return std::numeric_limits<double>::quiet_NaN();
    return CrestWeir::outflow(level, air);
  }
};

TEST(FloodRoute, StopsWithAReasonInsteadOfAWrongValue) {
  CrestWeir weir(kA, kCrest);
  BrokenGate broken;
  const Hydrograph flood = design_flood();
  const Pond pond = surveyed_pond();
  const Pond small = Pond::from_curve({"storage_curve", {2, 3, 3.2}, {0, 5e4, 6e4}});
  struct Case {
    Gate* gate;
    const Pond* pond;
    int max_steps;
    const char* reason;
  } cases[] = {
      {&weir, &pond, 3, "more than 6 steps"},  // 3 besides one for each of the 3 pieces
      {&weir, &small, 100000, "outside storage_curve"},
      {&broken, &pond, 100000, "not finite"},
  };
  for (const Case& c : cases) {
    RouteInput in = input_of(&flood, c.pond, c.gate);
    in.start_level = 3.0;
    RouteSettings settings;
    settings.max_steps = c.max_steps;
    const Route r = route(in, settings);
    EXPECT_FALSE(r.finished);
    EXPECT_NE(r.stop.find(c.reason), std::string::npos) << r.stop;
    for (const RoutePoint& p : r.points) {
      EXPECT_TRUE(std::isfinite(p.level) && std::isfinite(p.outflow));
    }
  }
}

// A weir with no state outside the levels `low` to `high`, as the gate has
// none at an absurd level: a trial step reaching there is to be rejected.
class BoundedWeir : public CrestWeir {
 public:
  BoundedWeir(double low, double high) : CrestWeir(kA, kCrest), low_(low), high_(high) {}
  double outflow(double level, double air) override {
    if (!(level >= low_ && level <= high_)) throw RouteStop("no state at this level");
    return CrestWeir::outflow(level, air);
  }

 private:
  double low_, high_;
};

TEST(FloodRoute, SteepShortPieceAfterLongOnesIsSteppedInsideItsRows) {
  // Hourly rows of 2 m3/s, then 40 m3/s 36 s later: continued past its end,
  // that piece's line would ask for thousands of m3/s over the hour the
  // steps had reached.
  Hydrograph flood;
  for (int h = 0; h <= 10; ++h) flood.seconds.push_back(h * kHour), flood.flows.push_back(2.0);
  flood.seconds.insert(flood.seconds.end(), {10 * kHour + 36, 14 * kHour, 20 * kHour, 30 * kHour});
  flood.flows.insert(flood.flows.end(), {40.0, 40.0, 2.0, 2.0});
  BoundedWeir weir(kCrest, 10.0);
  const Pond pond = Pond::from_area(kArea / 20);
  RouteInput in = input_of(&flood, &pond, &weir);
  in.start_level = steady_level(weir, 0.0, nullptr, 2.0, kCrest);
  // Every right-hand side of a piece lies inside its rows: once one has
  // been asked past a row, none is asked before it.
  double row_passed = 0.0;
  bool inside = true;
  in.air_rate = [&](double t, double, std::size_t, double) {
    inside = inside && t >= row_passed * (1 - 1e-12);
    for (double row : flood.seconds) {
      if (row < t) row_passed = std::max(row_passed, row);
    }
    return 0.0;
  };
  const Route r = route(in);
  ASSERT_TRUE(r.finished) << r.stop;
  EXPECT_TRUE(inside);
  // After 4 h at 40 m3/s (68 time constants) the level stands at its steady one.
  const double steady = kCrest + std::pow(40.0 / kA, 2.0 / 3.0);
  EXPECT_NEAR(r.peak.level, steady, 1e-4);
}

TEST(FloodRoute, TrialStepThatStopsIsRejectedNotFatal) {
  // Draining toward the crest, which the level never reaches; the weir has
  // no state below it, where long trial steps overshoot.
  DrainingPond draining(24);
  BoundedWeir weir(kCrest, 10.0);
  draining.in.gates = {&weir};
  draining.pond = Pond::from_area(kArea / 20);
  RouteSettings settings;
  settings.first_step = settings.max_step;
  const Route r = route(draining.in, settings);
  ASSERT_TRUE(r.finished) << r.stop;
  for (const RoutePoint& p : r.points) {
    const double exact = kCrest + std::pow(1.0 + kA * p.time / (2 * kArea / 20), -2.0);
    EXPECT_NEAR(p.level, exact, 1e-8) << "at " << p.time << " s";
  }
  // A level the solution itself leaves still stops the route, with its reason.
  BoundedWeir low(kCrest, 3.5);
  const Hydrograph flood = design_flood();
  const Pond pond = Pond::from_area(kArea);
  RouteInput in = input_of(&flood, &pond, &low);
  in.start_level = 3.2;
  const Route stopped = route(in, settings);
  EXPECT_FALSE(stopped.finished);
  EXPECT_NE(stopped.stop.find("no state at this level"), std::string::npos) << stopped.stop;
  EXPECT_NEAR(stopped.points.back().level, 3.5, 1e-3);
}

TEST(FloodRoute, TinyPondIsRoutedAsStiffAtItsQuasiSteadyLevel) {
  // 2 m2 over a weir of 10 m: the level settles in A / (dQ/dh) = 0.1 s,
  // so the outflow follows the inflow within the tolerances.
  CrestWeir weir(kA, kCrest);
  const Hydrograph flood = design_flood();
  const Pond pond = Pond::from_area(2.0);
  RouteInput in = input_of(&flood, &pond, &weir);
  in.start_level = steady_level(weir, 0.0, nullptr, 2.0, kCrest);
  RouteSettings settings;
  settings.output_step = 600.0;
  const Route r = route(in, settings);
  ASSERT_TRUE(r.finished) << r.stop;
  EXPECT_GE(r.stiff_from, 0.0);
  EXPECT_LT(r.steps, 2000);
  for (const RoutePoint& p : r.points) {
    EXPECT_NEAR(p.level, kCrest + std::pow(p.inflow / kA, 2.0 / 3.0), 3e-4) << p.time;
  }
  const double stored = pond.storage(r.points.back().level) - pond.storage(r.points.front().level);
  EXPECT_NEAR(r.inflow_volume - r.outflow_volume - stored, 0.0, 1e-6 * r.inflow_volume);
}

TEST(FloodRoute, HydrographOfManyRowsRunsToItsEnd) {
  // One row a minute for 70 days: more rows than the step limit.
  const double pi = std::acos(-1.0);
  Hydrograph record;
  for (int m = 0; m <= 70 * 24 * 60; ++m) {
    const double t = 60.0 * m;
    record.seconds.push_back(t);
    record.flows.push_back(12.0 - 10.0 * std::cos(2 * pi * t / (10 * 24 * kHour)));
  }
  CrestWeir weir(kA, kCrest);
  const Pond pond = Pond::from_area(kArea);
  RouteInput in = input_of(&record, &pond, &weir);
  in.start_level = steady_level(weir, 0.0, nullptr, 2.0, kCrest);
  RouteSettings settings;
  settings.output_step = kHour;
  const Route r = route(in, settings);
  ASSERT_TRUE(r.finished) << r.stop;
  EXPECT_EQ(r.points.back().time, record.seconds.back());
  const double stored = pond.storage(r.points.back().level) - pond.storage(r.points.front().level);
  EXPECT_NEAR(r.inflow_volume - r.outflow_volume - stored, 0.0, 1e-6 * r.inflow_volume);
}

}  // namespace
}  // namespace flood
}  // namespace tqweir
