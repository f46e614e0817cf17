#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

#include "search/bracket_search.h"

namespace tqweir {
namespace search {
namespace {

// A double's place in the order of all doubles: the ordered bit pattern
// (sign and magnitude turned into a two's complement key; -0 and +0 meet).
std::int64_t order_key(double x) {
  std::int64_t bits = 0;
  std::memcpy(&bits, &x, sizeof bits);
  return bits < 0 ? -(bits & INT64_MAX) : bits;
}

double from_order_key(std::int64_t key) {
  const std::int64_t bits = key < 0 ? ((-key) | INT64_MIN) : key;
  double x = 0.0;
  std::memcpy(&x, &bits, sizeof x);
  return x;
}

// Ends that differ by orders of magnitude: an arithmetic halving would
// spend one solve per binary order of the wider end before it reaches the
// scale of the narrower one (a thousand for [0, 1e300]). Within a factor
// 16 halving the width reaches adjacent doubles in 57 steps at most, and
// every bracket of an ordinary range stays on the arithmetic halving.
bool far_apart(double a, double b) {
  const double width = b - a;
  if (!std::isfinite(width)) return true;
  const double small = std::fmin(std::fabs(a), std::fabs(b));
  const double large = std::fmax(std::fabs(a), std::fabs(b));
  if (a > 0.0 || b < 0.0) return large > 16.0 * small;
  return width > 18446744073709551616.0;  // 2^64, across or from 0
}

}  // namespace

bool narrow_enough(double a, double b, double tolerance) {
  return std::nextafter(a, b) >= b || b - a <= tolerance;
}

double scan_point(double lo, double hi, int i, int n) {
  if (i <= 0) return lo;
  if (i >= n) return hi;
  const double t = static_cast<double>(i) / n;
  // lo + (hi - lo) t, the form every earlier scan used, while the width is
  // finite; the weighted mean, which cannot overflow, beyond it.
  double x = std::isfinite(hi - lo) ? lo + (hi - lo) * t : lo * (1.0 - t) + hi * t;
  if (x < lo) x = lo;
  if (x > hi) x = hi;
  return x;
}

double bracket_midpoint(double a, double b) {
  double m = a + (b - a) / 2.0;
  if (far_apart(a, b)) {
    const std::int64_t ka = order_key(a), kb = order_key(b);
    m = from_order_key(ka / 2 + kb / 2 + (ka % 2 + kb % 2) / 2);
  }
  if (m <= a || m >= b) m = std::nextafter(a, b);
  return m;
}

Edge unrefined_edge(EdgeKind kind, Sample a, Sample b) {
  if (b.x < a.x) std::swap(a, b);
  Edge edge;
  edge.kind = kind;
  edge.lo = a;
  edge.hi = b;
  return edge;
}

Edge refine_crossing(const Probe& probe, const Sample& a, const Sample& b,
                     const SearchSettings& settings) {
  Edge edge = unrefined_edge(EdgeKind::crossing, a, b);
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
    double x = bracket_midpoint(lo.x, hi.x);
    // Across orders of magnitude the secant would sit by the wider end.
    const bool interpolated = !bisect && failed_steps < 5 && f_hi != f_lo && !far_apart(lo.x, hi.x);
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
      s = probe(bracket_midpoint(lo.x, x));
      ++edge.solves;
      if (!s.finished && std::nextafter(x, hi.x) < hi.x) {
        s = probe(bracket_midpoint(x, hi.x));
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
  Edge edge = unrefined_edge(EdgeKind::boundary, a, b);
  while (!narrow_enough(edge.lo.x, edge.hi.x, settings.tolerance)) {
    if (edge.solves >= settings.max_refine_solves) return edge;
    const Sample s = probe(bracket_midpoint(edge.lo.x, edge.hi.x));
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

}  // namespace search
}  // namespace tqweir
