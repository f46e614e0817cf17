// The search over functions whose crossings and stops are known exactly.
#include "search/bracket_search.h"

#include <cmath>

#include <gtest/gtest.h>

namespace tqweir {
namespace seek {
namespace {

// f(x) = (x - 1)(x - 3) - target over [0, 4], stopping (code 7) above `stop_from`.
search::Probe parabola(double stop_from = 1e300) {
  return [stop_from](double x) {
    search::Sample s;
    s.x = x;
    s.finished = x < stop_from;
    s.stop = s.finished ? 0 : 7;
    s.excess = (x - 1.0) * (x - 3.0);
    return s;
  };
}

bool adjacent(const search::Edge& e) { return std::nextafter(e.lo.x, e.hi.x) == e.hi.x; }

TEST(BracketSearch, FindsEveryCrossingInOrderEachToAdjacentDoubles) {
  const search::SearchResult r = search_range(parabola(), 0.0, 4.0, search::Target::crossings, search::SearchSettings());
  ASSERT_EQ(r.edges.size(), 2u);
  for (const search::Edge& e : r.edges) {
    EXPECT_TRUE(e.refined && adjacent(e));
    EXPECT_NE(reached(e.lo), reached(e.hi));  // the bracket holds the crossing
  }
  EXPECT_NEAR(search::edge_value(r.edges[0]).x, 1.0, 1e-15);
  EXPECT_NEAR(search::edge_value(r.edges[1]).x, 3.0, 4e-15);
}

TEST(BracketSearch, ANoisyStaircaseIsStillNarrowedWithinBudget) {
  // Steps of 1e-6 as a solve's own bisection leaves them: the secant is
  // of no use at that scale, and the fallback must still end adjacent.
  const search::Probe stairs = [](double x) {
    search::Sample s{x, true, std::floor((x - 0.7) * 1e6) / 1e6 + 0.5e-6, 0};
    return s;
  };
  const search::SearchResult r = search_range(stairs, 0.0, 4.0, search::Target::crossings, search::SearchSettings());
  ASSERT_EQ(r.edges.size(), 1u);
  EXPECT_TRUE(adjacent(r.edges[0]));
  EXPECT_LE(r.solves, 70);
}

TEST(BracketSearch, NoCrossingGivesTheClosestValueReached) {
  const search::Probe above = [](double x) { return search::Sample{x, true, (x - 1.0) * (x - 1.0) + 0.5, 0}; };
  const search::SearchResult r = search_range(above, 0.0, 4.0, search::Target::crossings, search::SearchSettings());
  EXPECT_TRUE(r.edges.empty());
  ASSERT_TRUE(r.found_closest);
  EXPECT_EQ(r.closest.x, 1.0);
  EXPECT_EQ(r.closest.excess, 0.5);
}

TEST(BracketSearch, ARangeThatStopsPartWayGivesTheBoundaryAndTheStop) {
  const search::SearchResult r =
      search_range(parabola(2.2), 0.0, 4.0, search::Target::boundaries, search::SearchSettings());
  ASSERT_EQ(r.edges.size(), 2u);  // the crossing at 1 listed, the boundary narrowed
  EXPECT_EQ(r.edges[0].kind, search::EdgeKind::crossing);
  const search::Edge& b = r.edges[1];
  EXPECT_EQ(b.kind, search::EdgeKind::boundary);
  EXPECT_TRUE(adjacent(b));
  EXPECT_TRUE(b.lo.finished);
  EXPECT_FALSE(b.hi.finished);
  EXPECT_EQ(b.hi.stop, 7);
  EXPECT_EQ(b.hi.x, 2.2);
}

TEST(BracketSearch, EveryLoopEndsAtItsBoundAndSaysSo) {
  search::SearchSettings few;
  few.max_refine_solves = 5;
  const search::SearchResult r = search_range(parabola(), 0.0, 4.0, search::Target::crossings, few);
  ASSERT_EQ(r.edges.size(), 2u);
  EXPECT_FALSE(r.edges[0].refined);
  EXPECT_EQ(r.solves, 9 + 2 * 5);
  // A tolerance ends it as soon as the bracket is that narrow.
  search::SearchSettings loose;
  loose.tolerance = 1e-3;
  const search::Edge e = refine_crossing(parabola(), search::Sample{0.0, true, 3.0, 0}, search::Sample{2.0, true, -1.0, 0}, loose);
  EXPECT_TRUE(e.refined);
  EXPECT_LE(e.hi.x - e.lo.x, 1e-3);
}

TEST(BracketSearch, ARunThatStopsInsideACrossingIsSteppedAroundOnBothSides) {
  // Runs stop around 0.2, where the first secant step lands; in the wider
  // hole the step below stops too and only the one above gets through.
  for (double from : {0.19, 0.05}) {
    const search::Probe holed = [from](double x) {
      search::Sample s{x, !(x > from && x < 0.21), x * x * x - 0.2, 3};
      return s;
    };
    const search::Edge e = refine_crossing(holed, holed(0.0), holed(1.0), search::SearchSettings());
    EXPECT_TRUE(e.refined && !e.interrupted) << from;
    EXPECT_NEAR(search::edge_value(e).x, std::cbrt(0.2), 1e-15) << from;
  }
}

// The value found is the end whose result lies closer to the target: on a
// step of the result that is the end past it, not the one before it.
TEST(BracketSearch, TheValueFoundIsTheEndClosestToTheTarget) {
  const search::Probe step = [](double x) { return search::Sample{x, true, x < 1.0 ? -0.25 : 0.01, 0}; };
  const search::SearchResult r = search_range(step, 0.0, 4.0, search::Target::crossings, search::SearchSettings());
  ASSERT_EQ(r.edges.size(), 1u);
  EXPECT_EQ(search::edge_value(r.edges[0]).x, 1.0);
}

// Two crossings inside one scan interval: the scan's points all lie above
// the target, the one nearest a dip at 57 turns toward it, and the search
// of that turn finds the dip, so both crossings come back in order.
TEST(BracketSearch, ADipBetweenScanPointsIsFoundAtItsTurn) {
  const search::Probe dip = [](double x) {
    return search::Sample{x, true, 0.01 * (x - 57.0) * (x - 57.0) - 0.035, 0};
  };
  const search::SearchResult r = search_range(dip, 10.0, 89.0, search::Target::crossings, search::SearchSettings());
  ASSERT_EQ(r.edges.size(), 2u);
  EXPECT_NEAR(search::edge_value(r.edges[0]).x, 57.0 - std::sqrt(3.5), 1e-12);
  EXPECT_NEAR(search::edge_value(r.edges[1]).x, 57.0 + std::sqrt(3.5), 1e-12);
  EXPECT_GT(r.turn_solves, 0);
  EXPECT_LE(r.turn_solves, 16);
}

// Runs that finish only on an island between two scan points: the case's
// own value lies on it, and both of its edges are narrowed.
TEST(BracketSearch, AFinishingIslandAroundTheOwnValueIsNarrowedOnBothSides) {
  const search::Probe island = [](double x) {
    const bool in = x > 1.149 && x < 7.44;
    return search::Sample{x, in, 0.0, in ? 0 : 4};
  };
  search::SearchSettings settings;
  settings.has_own = true;
  settings.own = 3.0;
  const search::SearchResult r = search_range(island, 0.0, 100.0, search::Target::boundaries, settings);
  ASSERT_EQ(r.edges.size(), 2u);
  EXPECT_TRUE(adjacent(r.edges[0]) && adjacent(r.edges[1]));
  EXPECT_NEAR(search::edge_value(r.edges[0]).x, 1.149, 1e-15);
  EXPECT_NEAR(search::edge_value(r.edges[1]).x, 7.44, 1e-15);
}

// A crossing on the finishing side of a boundary, and one beside a single
// scan point that stops, are both searched for.
TEST(BracketSearch, ACrossingBesideAStopIsFound) {
  const search::Probe beside = [](double x) {
    const bool stops = x > 1.9 || x == 1.0;
    return search::Sample{x, !stops, 1.8583 - x + (x > 1.0 && x < 1.001 ? -5.0 : 0.0), 5};
  };
  const search::SearchResult r = search_range(beside, 0.0, 2.0, search::Target::crossings, search::SearchSettings());
  std::vector<double> crossings;
  for (const search::Edge& e : r.edges) {
    if (e.kind == search::EdgeKind::crossing) crossings.push_back(search::edge_value(e).x);
  }
  ASSERT_EQ(crossings.size(), 2u) << r.solves;
  EXPECT_NEAR(crossings[0], 1.001, 1e-15);  // out of the dip just above the stop at 1
  EXPECT_NEAR(crossings[1], 1.8583, 1e-15);
}

// Ranges as wide as doubles go: every point finite, and a boundary at
// 1.3e6 in [0, 1e300] narrowed to adjacent doubles by halving the bit
// pattern, in about 64 solves rather than a thousand.
TEST(BracketSearch, ARangeOfAnyFiniteWidthIsScannedAndNarrowed) {
  const search::Probe heavy = [](double x) {
    EXPECT_TRUE(std::isfinite(x)) << x;
    return search::Sample{x, x < 1329515.199, 0.0, 2};
  };
  for (double lo : {0.0, -9e307}) {
    const double hi = lo == 0.0 ? 1e300 : 9e307;
    const search::SearchResult r = search_range(heavy, lo, hi, search::Target::boundaries, search::SearchSettings());
    EXPECT_EQ(r.scan.size(), 9u) << lo;  // no point lost to an overflowing width
    ASSERT_EQ(r.edges.size(), 1u) << lo;
    EXPECT_TRUE(adjacent(r.edges[0]));
    EXPECT_NEAR(search::edge_value(r.edges[0]).x, 1329515.199, 1e-9);
    EXPECT_LE(r.edges[0].solves, 70);
  }
}

}  // namespace
}  // namespace seek
}  // namespace tqweir
