// The plot's names for the run results it draws (tools/common/run_results.h).
#ifndef TQWEIR_TOOLS_PLOT_RUN_RESULTS_H_
#define TQWEIR_TOOLS_PLOT_RUN_RESULTS_H_

#include "tools/common/run_results.h"

namespace tqweir {
namespace plot {

using PlotInputError = tools::RunFilesError;
using tools::OutputTexts;
using tools::parse_outputs;
using tools::Point;
using tools::RunResults;
using tools::SurfaceRow;

}  // namespace plot
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_PLOT_RUN_RESULTS_H_
