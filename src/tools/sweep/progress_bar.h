// The progress bar of a sweep, drawn on a terminal.
#ifndef TQWEIR_TOOLS_SWEEP_PROGRESS_BAR_H_
#define TQWEIR_TOOLS_SWEEP_PROGRESS_BAR_H_

#include <string>

namespace tqweir {
namespace sweep {

// One redraw of the bar: a carriage return, then for example
// "[##########----------]  500/1000  50%  180 cases/s". The rate is left
// out until a second has passed (too noisy before). `width` is the number
// of bar cells. REQUIRES: done <= total, total > 0.
std::string progress_line(std::size_t done, std::size_t total, double elapsed_seconds,
                          int width = 30);

}  // namespace sweep
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_SWEEP_PROGRESS_BAR_H_
