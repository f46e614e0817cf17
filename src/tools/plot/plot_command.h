// The command line of tqweir-plot.
#ifndef TQWEIR_TOOLS_PLOT_PLOT_COMMAND_H_
#define TQWEIR_TOOLS_PLOT_PLOT_COMMAND_H_

#include <ostream>

namespace tqweir {
namespace plot {

// tqweir-plot [DIR] [--dxf] [-o FILE]: draws the run in DIR (default ".")
// to DIR/section.svg (DIR/section.dxf with --dxf) or FILE; 0 when the
// drawing is written, 1 with a message on `err` and no drawing when the run
// cannot be drawn or the file cannot be written. --help / --version print
// on `out` (0); a bad command line prints the usage on `err` (2).
int run_plot_command(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace plot
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_PLOT_PLOT_COMMAND_H_
