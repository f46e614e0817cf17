// The section as a DXF drawing, for finishing the gate's drawings in CAD.
#ifndef TQWEIR_STUDIES_FIGURE_SECTION_DXF_H_
#define TQWEIR_STUDIES_FIGURE_SECTION_DXF_H_

#include <string>

#include "studies/figure/run_results.h"

namespace tqweir {
namespace plot {

// A DXF R12 (AC1009) ASCII drawing with CR LF line ends, in metres of the
// section frame (origin at the hinge, y up). One layer per part; every
// vertex is a coordinate of the run's files, written with 8 decimals as
// they print it:
//   FLOOR       polyline, XYGate.csv row 1 (the floor point) to row 2 (the hinge)
//   LEAF        polyline, XYGate.csv rows 2.. (the nodes from the hinge)
//   HINGE       circle round XYGate.csv row 2
//   BAG         closed polyline, XYBalloon.csv without its last row, which
//               repeats the first and is the closing
//   STOPPER     polyline, XYStopper.csv rows 1 and 2
//   WATER_UP    polyline, the upstream level (TQSpec.csv field 2) at minus
//               the largest x of XYGate.csv, then x and surface elevation
//               of the suimen.csv rows with water on the leaf (depth > 0),
//               a repeated row once; none when the level is 0 or below
//   WATER_DOWN  dashed, the downstream water line (field 3) from the
//               hinge's x to the largest x of XYGate.csv
//   LAYER2      dashed, the second layer's top (field 5) from minus that x
//               to the hinge's x; none when the level is 0 or below
//   TEXT        the case name and the key results as TQSpec.csv prints them
// Text is ASCII (a byte of `case_name` that is not becomes '?'): R12 has no
// encoding that every CAD program reads alike. Throws PlotInputError when a
// number to write is not finite (coordinates near the largest double put
// the text below the drawing beyond it).
std::string build_section_dxf(const RunResults& results, const std::string& case_name);

}  // namespace plot
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_FIGURE_SECTION_DXF_H_
