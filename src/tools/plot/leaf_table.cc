#include "tools/plot/leaf_table.h"

#include "driver/memory_run.h"
#include "input/case_reader.h"
#include "output/format.h"
#include "text/number_text.h"
#include "studies/figure/run_folder.h"

namespace tqweir {
namespace plot {

leaf::LeafForces run_leaf_forces(const std::string& dir) {
  const OutputTexts outputs = read_run_folder(dir);
  CaseTexts inputs;
  if (!read_case_files(dir, inputs)) throw PlotInputError("an input file (syogen.csv, parameter.csv, hitai.csv) is missing");
  const MemoryRun run = run_in_memory(inputs);
  // The run is the program's; the same inputs give the same bits, so a
  // summary that differs means the inputs changed since the run.
  if (run.exit_status != 0 || run.file("TQSpec.csv") != outputs.summary) {
    throw PlotInputError("the input files no longer give the run's TQSpec.csv; run tqweir again");
  }
  return leaf::leaf_forces(run.result);
}

std::string leaf_forces_csv(const leaf::LeafForces& forces) {
  std::string out = std::string("s (m),x (m),y (m),N (kN/m),V (kN/m),M (kN m/m)") + kLineEnd;
  const std::vector<leaf::Station>& stations = forces.internal.stations;
  for (auto it = stations.rbegin(); it != stations.rend(); ++it) {
    const double cells[] = {it->s, it->at.x, it->at.y, it->N / 1000.0, it->V / 1000.0, it->M / 1000.0};
    std::string row;
    for (double cell : cells) row += (row.empty() ? "" : ",") + text::shown_text(cell, 6);
    out += row + kLineEnd;
  }
  return out;
}

}  // namespace plot
}  // namespace tqweir
