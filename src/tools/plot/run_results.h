// The results of a finished tqweir run, as the plot tool reads them back
// from the run's output files, and the checks that make them drawable.
#ifndef TQWEIR_TOOLS_PLOT_RUN_RESULTS_H_
#define TQWEIR_TOOLS_PLOT_RUN_RESULTS_H_

#include <array>
#include <istream>
#include <string>
#include <vector>

namespace tqweir {
namespace plot {

// A point of the section frame: metres, origin at the hinge, y up.
struct Point {
  double x = 0.0;
  double y = 0.0;
};

// A row of suimen.csv: a point of the leaf under the upstream water.
struct SurfaceRow {
  double x = 0.0;        // m
  double surface = 0.0;  // water-surface elevation, m
  double depth = 0.0;    // m
  double bed = 0.0;      // leaf elevation, m
};

constexpr int kSummaryFields = 27;

// The contents of the output files, unchanged except for what the drawing
// needs derived from them (the floor's slope).
struct RunResults {
  Point floor_point;                // XYGate.csv row 1, a point of the floor line
  std::vector<Point> leaf;          // XYGate.csv rows 2..: the nodes from the hinge
  Point stopper_anchor;             // XYStopper.csv row 1, on the leaf
  Point stopper_foot;               // XYStopper.csv row 2, on the floor
  std::vector<Point> bag;           // XYBalloon.csv, a closed outline
  std::vector<SurfaceRow> surface;  // suimen.csv
  std::array<double, kSummaryFields> summary{};  // TQSpec.csv, field 1 at [0]
  // dy/dx of the floor line through the hinge (negative when the floor
  // falls towards +x); not a number until known.
  double floor_slope = 0.0;
};

// The output files' texts as read.
struct OutputTexts {
  std::string gate;      // XYGate.csv
  std::string stopper;   // XYStopper.csv
  std::string balloon;   // XYBalloon.csv
  std::string surface;   // suimen.csv
  std::string summary;   // TQSpec.csv
};

// True when the message log holds the success notice and nothing else
// (its line end may be CR LF, LF or missing).
bool holds_success_notice(const std::string& log);

// What a message log that is not the success notice says, in UTF-8, with
// the English meaning of a known message; a short description otherwise.
std::string describe_log(const std::string& log);

// Parses the five output files. Throws PlotInputError for a malformed row
// or a wrong row count. The floor slope is taken from the floor point of
// XYGate.csv, or left not a number when that point lies at the hinge (the
// stopper's foot distance is 0) and so gives no direction.
RunResults parse_outputs(const OutputTexts& texts);

// The floor slope dy/dx from syogen.csv's floor angle (field 9, degrees,
// the floor falling towards +x). Throws PlotInputError for a malformed file.
double floor_slope_from_syogen(const std::string& syogen);

}  // namespace plot
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_PLOT_RUN_RESULTS_H_
