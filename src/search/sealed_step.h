// Where, near a crossing of the air held with the base air, the sealed
// state is taken: a value that depends on the load alone, not on where the
// search for it began.
//
// A solve's air volume is a staircase in the unknown (the solve's own
// bisection ends alpha on a grid). With the leaf on its stopper the air
// depends on the tension only through alpha: a step about 0.002 kN wide
// holds the base air to the last bit. With the leaf free the air also
// follows the angle between alpha's jumps, so a value that holds it exactly
// is rare, and the jumps make the air cross the base air several times
// within a few 1e-4 degree. A bracket narrowed from wherever the walk began
// ends at any of those crossings, or anywhere on the step.
//
// So the crossing is placed on two fixed grids of the unknown's unit (kN or
// degree). First a cell of the coarse grid, far wider than the jumps, whose
// ends lie on either side of the base air: found from any value near the
// crossing by moving a cell at a time, it is the same cell from wherever
// the search came, as long as the air crosses the base air once at the
// cells' spacing. The cell is then halved on the fine grid to two adjacent
// points, a sequence fixed by the cell alone. Where the upper point holds
// the air exactly it is the lower edge of a step; the upper edge is found
// on the same grid, and the state is the middle of the two, or the base
// case's own value where that lies on the step and holds the air. Where no
// point of the fine grid holds the air exactly, the state is the one of the
// two points nearer the air (the lower on a tie).
#ifndef TQWEIR_SEARCH_SEALED_STEP_H_
#define TQWEIR_SEARCH_SEALED_STEP_H_

#include "search/bracket_search.h"

namespace tqweir {
namespace search {

// Spacings in the unknown's unit; powers of 2, so that every point of
// either grid is an exact double.
struct StepGrid {
  double cell = 1.0 / 64.0;     // the coarse grid; a power of 2 times `fine`
  double fine = 1.0 / 16384.0;  // the fine grid
  int max_moves = 64;           // doublings of a walk toward the crossing or a step's upper edge
};

struct StepState {
  bool found = false;
  double x = 0.0;  // the value chosen, when found
  Sample stopped{0.0, true, 0.0, 0};  // the run that stopped the search, if one did
  int solves = 0;
};

// The state near `near` on the grids, lo <= x <= hi (hi may be infinite).
// REQUIRES: `probe`'s excess rises with x across the crossing (reached
// above it), lo < hi, lo <= near <= hi, and |x| / fine below 2^53 for every
// x met. Not found when a run on the way stops (`stopped`), or when no cell
// within [lo, hi] and max_moves has the air below the base air at its lower
// end and reached at its upper one.
StepState state_near(const Probe& probe, double near, double lo, double hi, double own,
                     const StepGrid& grid);

// The middle of the step whose lowest point on the fine grid is `bottom`
// (which holds the air exactly), or `own` where that lies on the step and
// holds the air; the step's upper edge is looked for up to hi.
StepState state_on_step(const Probe& probe, double bottom, double hi, double own,
                        const StepGrid& grid);

}  // namespace search
}  // namespace tqweir

#endif  // TQWEIR_SEARCH_SEALED_STEP_H_
