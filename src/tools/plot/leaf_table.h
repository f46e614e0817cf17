// The leaf's forces of a finished run as a table: N, V and M at every
// station along the leaf, for a spreadsheet.
#ifndef TQWEIR_TOOLS_PLOT_LEAF_TABLE_H_
#define TQWEIR_TOOLS_PLOT_LEAF_TABLE_H_

#include <string>

#include "leaf/leaf_forces.h"

namespace tqweir {
namespace plot {

// The free body of the run in `dir`: the case of its three input files as
// they are, solved again, provided that its summary is TQSpec.csv's to the
// byte (else the inputs no longer give the run's results, and the table
// would not be the run's). Throws PlotInputError when the run did not
// finish (read_run_folder's checks), an input is missing, or the summary
// differs.
leaf::LeafForces run_leaf_forces(const std::string& dir);

// The table as CSV, CP932 (ASCII) with CR LF: a head row, then a row per
// station from the hinge to the tip, s, x, y (m), N, V (kN/m) and
// M (kN m/m) to six decimals. A node and a point load give two rows at one
// s, one for each side.
std::string leaf_forces_csv(const leaf::LeafForces& forces);

}  // namespace plot
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_PLOT_LEAF_TABLE_H_
