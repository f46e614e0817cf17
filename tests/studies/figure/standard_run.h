// The files of the standard example after a run in memory, for the plot's
// tests.
#ifndef TQWEIR_TESTS_TOOLS_PLOT_STANDARD_RUN_H_
#define TQWEIR_TESTS_TOOLS_PLOT_STANDARD_RUN_H_

#include <string>

#include "driver/memory_run.h"
#include "input/case_reader.h"
#include "studies/figure/run_results.h"

namespace tqweir {
namespace plot {

inline OutputTexts standard_run_texts() {
  CaseTexts inputs;
  read_case_files(std::string(TQWEIR_SOURCE_DIR) + "/examples/standard", inputs);
  OutputTexts t;
  text::output_texts(run_in_memory(inputs).files, t);
  t.syogen = inputs.syogen;
  return t;
}

}  // namespace plot
}  // namespace tqweir

#endif  // TQWEIR_TESTS_TOOLS_PLOT_STANDARD_RUN_H_
