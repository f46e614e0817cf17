#include "search/bracket_search.h"

#include <algorithm>
#include <cmath>

#include "search/turn_search.h"

namespace tqweir {
namespace search {
namespace {

bool by_x(const Sample& a, const Sample& b) { return a.x < b.x; }

// The scan's points from lo, the own value among them when it lies inside.
std::vector<double> scan_values(double lo, double hi, const SearchSettings& settings) {
  const int n = settings.scan_intervals < 1 ? 1 : settings.scan_intervals;
  std::vector<double> xs;
  for (int i = 0; i <= n; ++i) {
    const double x = scan_point(lo, hi, i, n);
    if (xs.empty() || x > xs.back()) xs.push_back(x);
  }
  if (settings.has_own && settings.own > lo && settings.own < hi &&
      !std::binary_search(xs.begin(), xs.end(), settings.own)) {
    xs.insert(std::upper_bound(xs.begin(), xs.end(), settings.own), settings.own);
  }
  return xs;
}

// The samples in order of x, each value once (the first solve of it kept).
std::vector<Sample> ordered(std::vector<Sample> samples) {
  std::stable_sort(samples.begin(), samples.end(), by_x);
  samples.erase(std::unique(samples.begin(), samples.end(),
                            [](const Sample& a, const Sample& b) { return a.x == b.x; }),
                samples.end());
  return samples;
}

// A boundary is narrowed to the search's own tolerance when it is what is
// searched; in a crossing search only as far as its finishing side needs
// to be seen, a small fraction of the scan's spacing.
SearchSettings boundary_settings(double lo, double hi, Target target, const SearchSettings& settings) {
  SearchSettings s = settings;
  if (target == Target::crossings) {
    const int n = settings.scan_intervals < 1 ? 1 : settings.scan_intervals;
    const double spacing = hi / n - lo / n;  // cannot overflow
    s.tolerance = std::max(settings.tolerance, spacing * settings.boundary_fraction);
  }
  return s;
}

}  // namespace

SearchResult search_range(const Probe& probe, double lo, double hi, Target target,
                          const SearchSettings& settings) {
  SearchResult result;
  std::vector<Sample> seen;  // every sample the search looked at
  const Probe looked = [&](double x) {
    const Sample s = probe(x);
    ++result.solves;
    seen.push_back(s);
    return s;
  };
  for (double x : scan_values(lo, hi, settings)) result.scan.push_back(looked(x));

  // Turns toward the target at scan points: the result may dip across it
  // and back between them.
  if (target == Target::crossings) {
    for (std::size_t i = 1; i + 1 < result.scan.size(); ++i) {
      const Sample& b = result.scan[i];
      if (!turns_toward_target(result.scan[i - 1], b, result.scan[i + 1])) continue;
      result.turn_solves += search_turn(looked, result.scan[i - 1], b, result.scan[i + 1], settings, seen);
    }
  }

  // Every boundary first, so that its finishing side is searched too.
  const SearchSettings narrow_boundary = boundary_settings(lo, hi, target, settings);
  const std::vector<Sample> before = ordered(seen);
  for (std::size_t i = 0; i + 1 < before.size(); ++i) {
    if (before[i].finished == before[i + 1].finished) continue;
    result.edges.push_back(refine_boundary(looked, before[i], before[i + 1], narrow_boundary));
  }

  // Crossings between consecutive finished samples of all that were seen.
  const std::vector<Sample> all = ordered(seen);
  for (std::size_t i = 0; i + 1 < all.size(); ++i) {
    const Sample& a = all[i];
    const Sample& b = all[i + 1];
    if (!a.finished || !b.finished || reached(a) == reached(b)) continue;
    result.edges.push_back(target == Target::crossings ? refine_crossing(looked, a, b, settings)
                                                       : unrefined_edge(EdgeKind::crossing, a, b));
  }
  std::stable_sort(result.edges.begin(), result.edges.end(),
                   [](const Edge& a, const Edge& b) { return a.lo.x < b.lo.x; });

  // The closest approach: the scan's points first, then the rest in order.
  std::vector<Sample> order = result.scan;
  for (const Sample& s : ordered(seen)) order.push_back(s);
  for (const Sample& s : order) {
    if (!s.finished) continue;
    if (!result.found_closest || std::fabs(s.excess) < std::fabs(result.closest.excess)) {
      result.closest = s;
      result.found_closest = true;
    }
  }
  return result;
}

}  // namespace search
}  // namespace tqweir
