// The plot's names for the run results it draws (text/run_results.h).
#ifndef TQWEIR_STUDIES_FIGURE_RUN_RESULTS_H_
#define TQWEIR_STUDIES_FIGURE_RUN_RESULTS_H_

#include "text/run_results.h"

namespace tqweir {
namespace plot {

using PlotInputError = text::RunFilesError;
using text::OutputTexts;
using text::parse_outputs;
using text::Point;
using text::RunResults;
using text::SurfaceRow;

}  // namespace plot
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_FIGURE_RUN_RESULTS_H_
