// The metre scale around the drawing: frame, ticks, grid and labels.
#ifndef TQWEIR_TOOLS_PLOT_AXES_H_
#define TQWEIR_TOOLS_PLOT_AXES_H_

#include <string>

#include "tools/plot/viewport.h"

namespace tqweir {
namespace plot {

// The tick spacing in metres: 1, 2 or 5 times a power of ten, the smallest
// that divides `length` metres into at most `max_intervals` intervals.
// REQUIRES: length > 0, max_intervals >= 1.
double tick_step(double length, int max_intervals);

// The tick spacing of both axes of `view`: the same on both, so equal
// distances read alike on both.
double axis_step(const Viewport& view);

// A faint dashed grid over the view at every tick, to be drawn first.
std::string draw_grid(const Viewport& view);

// The frame of the view and, outside it, ticks with their values in metres
// along the bottom (x) and the left side (y).
// The groups carry id="x-axis" and id="y-axis"; each tick is a <line
// class="tick"> followed by its <text class="tick-label">.
std::string draw_axes(const Viewport& view);

}  // namespace plot
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_PLOT_AXES_H_
