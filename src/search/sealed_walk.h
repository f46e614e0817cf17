// A walk from a value outward by doubling steps until the quantity watched
// is on the other side of its target: the sealed state's first bracket, and
// on the coarse grid the walk to the cell of the crossing.
#ifndef TQWEIR_SEARCH_SEALED_WALK_H_
#define TQWEIR_SEARCH_SEALED_WALK_H_

#include "search/bracket_search.h"

namespace tqweir {
namespace search {

// Where a walk from a finished sample met the other side.
struct Walk {
  bool found = false;
  Sample from, to;    // consecutive samples of the walk, on either side
  Sample stopped{0.0, true, 0.0, 0};  // the run that stopped the walk, if one did
  bool at_bound = false;  // the bound or max_steps met without crossing
  int solves = 0;
};

// Walks from `start` (finished) to start + `step`, start + 2 `step`,
// start + 4 `step`, ... until a finished sample on the other side of the
// target, a run that stops, the bound (taken as the last point; `bound`
// may be infinite) or `max_steps`.
Walk walk_out(const Probe& probe, const Sample& start, double step, bool bounded, double bound,
              int max_steps);

}  // namespace search
}  // namespace tqweir

#endif  // TQWEIR_SEARCH_SEALED_WALK_H_
