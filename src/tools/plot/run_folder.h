// Reading the output files of a finished run from its folder.
#ifndef TQWEIR_TOOLS_PLOT_RUN_FOLDER_H_
#define TQWEIR_TOOLS_PLOT_RUN_FOLDER_H_

#include <string>

#include "tools/plot/run_results.h"

namespace tqweir {
namespace plot {

// Reads error.csv, XYGate.csv, XYStopper.csv, XYBalloon.csv, suimen.csv and
// TQSpec.csv from `dir`, and syogen.csv only when the floor's direction
// cannot be had from XYGate.csv. Throws PlotInputError when error.csv does
// not hold the success notice (checked first: the other files of a run
// that stopped may be stale or missing), or a file is missing or malformed.
RunResults read_run_folder(const std::string& dir);

}  // namespace plot
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_PLOT_RUN_FOLDER_H_
