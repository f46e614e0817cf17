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

TEST(BracketSearch, ARunThatStopsInsideACrossingIsSteppedAround) {
  // Runs stop around 0.2, where the first secant step lands.
  const search::Probe holed = [](double x) {
    search::Sample s{x, !(x > 0.19 && x < 0.21), x * x * x - 0.2, 3};
    return s;
  };
  const search::Edge e = refine_crossing(holed, holed(0.0), holed(1.0), search::SearchSettings());
  EXPECT_TRUE(e.refined && !e.interrupted);
  EXPECT_NEAR(search::edge_value(e).x, std::cbrt(0.2), 1e-15);
}

}  // namespace
}  // namespace seek
}  // namespace tqweir
