#include "search/sealed_step.h"

#include <algorithm>
#include <cmath>

#include "search/sealed_walk.h"

namespace tqweir {
namespace search {
namespace {

bool holds(const Sample& s) { return s.finished && s.excess == 0.0; }

// The fine grid's point nearest the middle of (a, b), strictly inside;
// false when no point lies inside.
bool inner_point(double a, double b, double fine, double* m) {
  double x = std::round((a + (b - a) / 2.0) / fine) * fine;
  if (x <= a) x = (std::floor(a / fine) + 1.0) * fine;
  if (x >= b) x = (std::ceil(b / fine) - 1.0) * fine;
  *m = x;
  return a < x && x < b;
}

enum class Side { lower, upper, stop };

struct Halving {
  Sample lo, hi;
  bool stopped = false;
  Sample stop;
  int solves = 0;
};

// Halves [lo.x, hi.x] on the fine grid, each point joining the end that
// `side_of` names, until no point of the grid lies between the ends. The
// points tried are fixed by the two ends alone. A bracket of n points needs
// about log2(n) halvings; 128 is far beyond any bracket of finite doubles.
template <typename SideOf>
Halving halve(const Probe& probe, const Sample& lo, const Sample& hi, double fine,
              SideOf side_of) {
  Halving h;
  h.lo = lo;
  h.hi = hi;
  double m = 0.0;
  for (int i = 0; i < 128 && inner_point(h.lo.x, h.hi.x, fine, &m); ++i) {
    const Sample s = probe(m);
    ++h.solves;
    const Side side = side_of(s);
    if (side == Side::stop) {
      h.stopped = true;
      h.stop = s;
      return h;
    }
    (side == Side::lower ? h.lo : h.hi) = s;
  }
  return h;
}

struct Cell {
  bool found = false;
  Sample lo, hi;
  Sample stop{0.0, true, 0.0, 0};
  int solves = 0;
};

Side crossing_side(const Sample& s) {
  return !s.finished ? Side::stop : reached(s) ? Side::upper : Side::lower;
}

// The cell of the coarse grid (clamped to [lo, hi]) with the air below the
// base air at its lower end and reached at its upper one: from the cell
// around `near`, a walk of 1, 2, 4, ... cells toward the crossing, then
// halving on the coarse grid. Where the air crosses the base air once at
// the cells' spacing, that cell is the only one, wherever `near` was.
Cell crossing_cell(const Probe& probe, double near, double lo, double hi, const StepGrid& grid) {
  double k = std::floor(near / grid.cell);
  if (std::min(hi, (k + 1.0) * grid.cell) <= std::max(lo, k * grid.cell)) k -= 1.0;  // near == hi
  Cell c;
  Sample a = probe(std::max(lo, k * grid.cell));
  Sample b = probe(std::min(hi, (k + 1.0) * grid.cell));
  c.solves = 2;
  if (!a.finished || !b.finished) {
    c.stop = a.finished ? b : a;
    return c;
  }
  if (reached(a) == reached(b)) {
    const bool up = !reached(b);
    const Walk w = walk_out(probe, up ? b : a, up ? grid.cell : -grid.cell, true, up ? hi : lo,
                            grid.max_moves);
    c.solves += w.solves;
    if (!w.found) {
      c.stop = w.stopped;
      return c;
    }
    a = up ? w.from : w.to;
    b = up ? w.to : w.from;
  }
  // The air falling through the base air here is a second crossing at the
  // cells' scale: no single cell answers.
  if (reached(a) || !reached(b)) return c;
  const Halving h = halve(probe, a, b, grid.cell, crossing_side);
  c.solves += h.solves;
  if (h.stopped) {
    c.stop = h.stop;
    return c;
  }
  c.found = true;
  c.lo = h.lo;
  c.hi = h.hi;
  return c;
}

// The middle of the step from `bottom`; `off`, when `off_found`, is a
// point above it known to be off the step (it bounds the upper edge).
StepState middle_of_step(const Probe& probe, double bottom, Sample off, bool off_found,
                         double hi, double own, const StepGrid& grid) {
  StepState state;
  // Else up from the bottom by 1, 2, 4, ... fine spacings to a point off the step.
  Sample on{bottom, true, 0.0, 0};
  double offset = grid.fine;
  for (int i = 0; i < grid.max_moves && !off_found; ++i, offset *= 2.0) {
    const double x = std::min(hi, bottom + offset);
    if (x <= on.x) break;
    const Sample s = probe(x);
    ++state.solves;
    (holds(s) ? on : off) = s;
    off_found = !holds(s);
  }
  double top = on.x;
  if (off_found) {
    const Halving h = halve(probe, on, off, grid.fine,
                            [](const Sample& s) { return holds(s) ? Side::lower : Side::upper; });
    state.solves += h.solves;
    top = h.lo.x;
  }
  state.found = true;
  state.x = bottom + (top - bottom) / 2.0;
  if (own >= bottom && own <= top && own != state.x) {
    ++state.solves;
    if (holds(probe(own))) state.x = own;
  }
  return state;
}

}  // namespace

StepState state_on_step(const Probe& probe, double bottom, double hi, double own,
                        const StepGrid& grid) {
  return middle_of_step(probe, bottom, Sample{}, false, hi, own, grid);
}

StepState state_near(const Probe& probe, double near, double lo, double hi, double own,
                     const StepGrid& grid) {
  StepState state;
  const Cell cell = crossing_cell(probe, near, lo, hi, grid);
  state.solves = cell.solves;
  if (!cell.found) {
    state.stopped = cell.stop;
    return state;
  }
  // The lowest point above the air seen on the way bounds a step's upper
  // edge: a point of the halving, so fixed by the cell as well.
  Sample off = cell.hi;
  const Halving h = halve(probe, cell.lo, cell.hi, grid.fine, [&off](const Sample& s) {
    if (crossing_side(s) == Side::upper && !holds(s)) off = s;
    return crossing_side(s);
  });
  state.solves += h.solves;
  if (h.stopped) {
    state.stopped = h.stop;
    return state;
  }
  if (holds(h.hi)) {
    const int before = state.solves;
    state = middle_of_step(probe, h.hi.x, off, !holds(off), hi, own, grid);
    state.solves += before;
    return state;
  }
  state.found = true;
  state.x = std::fabs(h.hi.excess) < std::fabs(h.lo.excess) ? h.hi.x : h.lo.x;
  return state;
}

}  // namespace search
}  // namespace tqweir
