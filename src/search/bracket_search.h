// The search of one input over a range: a scan for every place where a
// quantity crosses its target or where the runs begin or cease to stop,
// then each such place narrowed by a method that never leaves its bracket.
// What it looks at, and so what its "none" means: the scan's points, the
// case's own value, every solve of a boundary's narrowing (the finishing
// side of a boundary is searched like the scan), and around each turn of
// the result at a scan point a bounded search for the turn itself. An
// excursion narrower than that is not seen.
//
// Pure over a callable "value -> outcome", so that any tool (the command
// line, the report's limit states, the page) can search what it likes.
#ifndef TQWEIR_SEARCH_BRACKET_SEARCH_H_
#define TQWEIR_SEARCH_BRACKET_SEARCH_H_

#include <functional>
#include <vector>

namespace tqweir {
namespace search {

// The outcome of one solve at input value x.
struct Sample {
  double x = 0.0;
  bool finished = false;  // the run finished; `excess` is meaningful
  double excess = 0.0;    // the quantity searched minus its target
  int stop = 0;           // the caller's code of the stop, when !finished
};

// One solve. It must return a sample for `x` whatever happens (a run that
// stops is a sample with finished == false, not an exception).
using Probe = std::function<Sample(double x)>;

// A sample is "reached" when its excess is >= 0: a crossing lies between a
// reached and an unreached finished sample.
inline bool reached(const Sample& s) { return s.excess >= 0.0; }

enum class EdgeKind {
  crossing,  // both ends finished, one reached and one not
  boundary,  // one end finished, the other stopped
};

// A bracket [lo.x, hi.x], lo.x < hi.x, holding one edge.
struct Edge {
  EdgeKind kind = EdgeKind::crossing;
  Sample lo, hi;
  bool refined = false;      // narrowed to adjacent doubles or to the tolerance
  bool interrupted = false;  // a run inside the bracket stopped (crossings only)
  Sample inside;             // that run, when interrupted
  int solves = 0;            // solves spent narrowing it
};

struct SearchSettings {
  int scan_intervals = 8;   // equal intervals of the scan (scan_intervals + 1 solves)
  double tolerance = 0.0;   // stop at a bracket this wide; 0: adjacent doubles
  int max_refine_solves = 400;  // per edge
  // The case's own value: a probe as well when it lies inside the range, so
  // that what the case itself shows is never missed between scan points.
  bool has_own = false;
  double own = 0.0;
  int max_turn_solves = 16;  // per turn of the result at a scan point
  // A boundary met in a crossing search is narrowed to this fraction of
  // the scan's spacing (or the tolerance, if wider), its finishing side
  // then searched for crossings.
  double boundary_fraction = 1.0 / 1048576.0;
};

// What to narrow after the scan; the other kind is listed at the scan's
// spacing.
enum class Target { crossings, boundaries };

struct SearchResult {
  std::vector<Sample> scan;   // in order from lo, the own value among them
  std::vector<Edge> edges;    // in order from lo
  int solves = 0;             // in all
  int turn_solves = 0;        // of the searches at turns of the result
  bool found_closest = false; // some run finished
  Sample closest;             // the finished sample of least |excess|, first of equal ones
};

// True when no double lies strictly between a and b (a < b), or b - a <=
// tolerance.
bool narrow_enough(double a, double b, double tolerance);

// The i-th of n equal intervals' points of [lo, hi] (i from 0 to n), the
// ends exactly as given, formed so that no finite range overflows.
double scan_point(double lo, double hi, int i, int n);

// A double strictly between a and b (a < b, not adjacent). The midpoint,
// unless the ends differ by orders of magnitude: then the midpoint of their
// ordered bit patterns, so that any finite bracket reaches adjacent doubles
// in at most 64 halvings.
double bracket_midpoint(double a, double b);

// Scans [lo, hi] (REQUIRES lo < hi, both finite) at settings.scan_intervals
// equal intervals and the own value, narrows every boundary (see
// SearchSettings), searches each turn of the result toward the target,
// and narrows every edge of kind `target`.
SearchResult search_range(const Probe& probe, double lo, double hi, Target target,
                          const SearchSettings& settings);

// Narrows a crossing between finished samples a and b (one reached, one
// not; either order) by regula falsi with the Illinois weighting, falling
// back to bisection whenever a step fails to halve the bracket (and for
// good after five such steps), so it needs at most a few solves more than
// bisection and never leaves the bracket. A run inside that stops is
// stepped around once on each side; when both stop too, the edge is
// `interrupted` there. Stops at settings' tolerance or max_refine_solves.
Edge refine_crossing(const Probe& probe, const Sample& a, const Sample& b,
                     const SearchSettings& settings);

// Narrows a boundary between a finished and a stopped sample by bisection.
Edge refine_boundary(const Probe& probe, const Sample& a, const Sample& b,
                     const SearchSettings& settings);

// The edge of `kind` between a and b (either order), not narrowed.
Edge unrefined_edge(EdgeKind kind, Sample a, Sample b);

// The end of a narrowed crossing whose excess is closest to 0 (the lower
// on a tie); for a boundary, its finished end.
const Sample& edge_value(const Edge& edge);

}  // namespace search
}  // namespace tqweir

#endif  // TQWEIR_SEARCH_BRACKET_SEARCH_H_
