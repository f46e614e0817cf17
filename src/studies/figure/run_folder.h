// Reading a finished run's files from its folder.
#ifndef TQWEIR_STUDIES_FIGURE_RUN_FOLDER_H_
#define TQWEIR_STUDIES_FIGURE_RUN_FOLDER_H_

#include <string>

#include "studies/figure/run_results.h"

namespace tqweir {
namespace plot {

// The texts of XYGate.csv, XYStopper.csv, XYBalloon.csv, suimen.csv,
// TQSpec.csv and (when there is one) syogen.csv in `dir`. error.csv is
// checked first, since the other files of a run that stopped may be stale
// or missing: throws PlotInputError unless it holds the success notice,
// and when a file is missing.
OutputTexts read_run_folder(const std::string& dir);

// True when the message log holds the success notice and nothing else
// (its line end may be CR LF, LF or missing).
bool holds_success_notice(const std::string& log);

// What a log that is not the success notice says, in UTF-8, with the
// English meaning of a known message; a short description otherwise.
std::string describe_log(const std::string& log);

}  // namespace plot
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_FIGURE_RUN_FOLDER_H_
