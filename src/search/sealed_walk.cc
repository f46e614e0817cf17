#include "search/sealed_walk.h"

namespace tqweir {
namespace search {

Walk walk_out(const Probe& probe, const Sample& start, double step, bool bounded, double bound,
              int max_steps) {
  Walk walk;
  walk.from = start;
  double offset = step;
  for (int i = 0; i < max_steps; ++i, offset *= 2.0) {
    double x = start.x + offset;
    const bool last = bounded && (step > 0 ? x >= bound : x <= bound);
    if (last) x = bound;
    if (x == walk.from.x) break;
    const Sample s = probe(x);
    ++walk.solves;
    if (!s.finished) {
      walk.stopped = s;
      return walk;
    }
    if (reached(s) != reached(start)) {
      walk.found = true;
      walk.to = s;
      return walk;
    }
    walk.from = s;
    if (last) break;
  }
  walk.at_bound = true;
  return walk;
}

}  // namespace search
}  // namespace tqweir
