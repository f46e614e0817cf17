#include "search/bracket_search.h"

#include <cmath>
#include <utility>

namespace tqweir {
namespace search {
namespace {

// A double strictly between a and b (a < b and not adjacent): the midpoint,
// formed so that it cannot overflow, moved inside when it rounds onto an end.
double midpoint(double a, double b) {
  double m = a + (b - a) / 2.0;
  if (!std::isfinite(m)) m = a / 2.0 + b / 2.0;
  if (m <= a || m >= b) m = std::nextafter(a, b);
  return m;
}

Edge ordered_edge(EdgeKind kind, Sample a, Sample b) {
  if (b.x < a.x) std::swap(a, b);
  Edge edge;
  edge.kind = kind;
  edge.lo = a;
  edge.hi = b;
  return edge;
}

}  // namespace

bool narrow_enough(double a, double b, double tolerance) {
  return std::nextafter(a, b) >= b || b - a <= tolerance;
}

Edge refine_crossing(const Probe& probe, const Sample& a, const Sample& b,
                     const SearchSettings& settings) {
  Edge edge = ordered_edge(EdgeKind::crossing, a, b);
  Sample& lo = edge.lo;
  Sample& hi = edge.hi;
  // The excesses the secant uses; Illinois halves the one of an end kept
  // twice in a row, so that the far end is pulled in and the order of
  // convergence stays above 1 on a convex stretch.
  double f_lo = lo.excess;
  double f_hi = hi.excess;
  int kept = 0;  // -1: lo kept by the last step, +1: hi kept
  bool bisect = false;
  // A solve's results are steps at the finest scale (its own bisection
  // ends on a grid), where a secant no longer helps: after five steps that
  // failed to halve the bracket, bisect to the end.
  int failed_steps = 0;
  while (!narrow_enough(lo.x, hi.x, settings.tolerance)) {
    if (edge.solves >= settings.max_refine_solves) return edge;
    const double width = hi.x - lo.x;
    double x = midpoint(lo.x, hi.x);
    const bool interpolated = !bisect && failed_steps < 5 && f_hi != f_lo;
    if (interpolated) {
      const double s = hi.x - f_hi * ((hi.x - lo.x) / (f_hi - f_lo));
      if (std::isfinite(s) && s > lo.x && s < hi.x) x = s;
    }
    Sample s = probe(x);
    ++edge.solves;
    if (!s.finished) {
      // Runs that stop may lie scattered among runs that finish (a solve's
      // own search meeting its limit): try once on each side of this one.
      edge.inside = s;
      s = probe(midpoint(lo.x, x));
      ++edge.solves;
      if (!s.finished && std::nextafter(x, hi.x) < hi.x) {
        s = probe(midpoint(x, hi.x));
        ++edge.solves;
      }
      if (!s.finished) {
        edge.interrupted = true;
        return edge;
      }
    }
    if (reached(s) == reached(lo)) {
      lo = s;
      f_lo = s.excess;
      if (kept == +1) f_hi /= 2.0;
      kept = +1;
    } else {
      hi = s;
      f_hi = s.excess;
      if (kept == -1) f_lo /= 2.0;
      kept = -1;
    }
    // A step that did not halve the bracket is followed by a bisection, so
    // every two solves at least halve it.
    bisect = interpolated && hi.x - lo.x > width / 2.0;
    if (bisect) ++failed_steps;
  }
  edge.refined = true;
  return edge;
}

Edge refine_boundary(const Probe& probe, const Sample& a, const Sample& b,
                     const SearchSettings& settings) {
  Edge edge = ordered_edge(EdgeKind::boundary, a, b);
  while (!narrow_enough(edge.lo.x, edge.hi.x, settings.tolerance)) {
    if (edge.solves >= settings.max_refine_solves) return edge;
    const Sample s = probe(midpoint(edge.lo.x, edge.hi.x));
    ++edge.solves;
    (s.finished == edge.lo.finished ? edge.lo : edge.hi) = s;
  }
  edge.refined = true;
  return edge;
}

const Sample& edge_value(const Edge& edge) {
  if (edge.kind == EdgeKind::boundary) return edge.lo.finished ? edge.lo : edge.hi;
  return std::fabs(edge.hi.excess) < std::fabs(edge.lo.excess) ? edge.hi : edge.lo;
}

SearchResult search_range(const Probe& probe, double lo, double hi, Target target,
                          const SearchSettings& settings) {
  SearchResult result;
  const int n = settings.scan_intervals < 1 ? 1 : settings.scan_intervals;
  for (int i = 0; i <= n; ++i) {
    // The ends exactly as given; inner points at equal spacing.
    const double x = i == n ? hi : lo + (hi - lo) * (static_cast<double>(i) / n);
    result.scan.push_back(probe(x));
    ++result.solves;
  }
  const auto consider = [&](const Sample& s) {
    if (!s.finished) return;
    if (!result.found_closest || std::fabs(s.excess) < std::fabs(result.closest.excess)) {
      result.closest = s;
      result.found_closest = true;
    }
  };
  for (const Sample& s : result.scan) consider(s);

  for (std::size_t i = 0; i + 1 < result.scan.size(); ++i) {
    const Sample& a = result.scan[i];
    const Sample& b = result.scan[i + 1];
    Edge edge;
    if (a.finished && b.finished && reached(a) != reached(b)) {
      edge = target == Target::crossings ? refine_crossing(probe, a, b, settings)
                                         : ordered_edge(EdgeKind::crossing, a, b);
    } else if (a.finished != b.finished) {
      edge = target == Target::boundaries ? refine_boundary(probe, a, b, settings)
                                          : ordered_edge(EdgeKind::boundary, a, b);
    } else {
      continue;
    }
    result.solves += edge.solves;
    consider(edge.lo);
    consider(edge.hi);
    result.edges.push_back(edge);
  }
  return result;
}

}  // namespace search
}  // namespace tqweir
