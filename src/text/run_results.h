// The results of a finished run as the tools read them back from the run's
// files, from its folder or from a run in memory: coordinates in metres of
// the section frame (origin at the hinge, y up) and the summary fields by
// their id, each as printed and as the number it prints.
#ifndef TQWEIR_TEXT_RUN_RESULTS_H_
#define TQWEIR_TEXT_RUN_RESULTS_H_

#include <array>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/summary_fields.h"

namespace tqweir {
namespace text {

// Run files that cannot be read back: a missing or malformed file, or a
// run that did not finish. The text names the file and says what is wrong.
class RunFilesError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Point {
  double x = 0.0;
  double y = 0.0;
};

// A row of suimen.csv (m).
struct SurfaceRow {
  double x = 0.0;
  double surface = 0.0;  // water-surface elevation
  double depth = 0.0;    // 0 on the row that marks where the leaf leaves the water
  double bed = 0.0;      // leaf elevation
};

// TQSpec.csv's fields in file order.
struct PrintedSummary {
  std::array<std::string, kSummaryFieldCount> text;  // as printed, blanks trimmed
  std::array<double, kSummaryFieldCount> value{};    // the number each text prints
};

// The files' numbers as the files print them (no rounding, nothing
// derived but the floor's slope).
struct RunResults {
  Point floor_point;                // XYGate.csv row 1, on the floor line
  std::vector<Point> leaf;          // XYGate.csv rows 2..: the nodes from the hinge
  Point stopper_anchor;             // XYStopper.csv row 1, on the leaf
  Point stopper_foot;               // XYStopper.csv row 2, on the floor
  std::vector<Point> bag;           // XYBalloon.csv: the outline, last row = first row
  std::vector<SurfaceRow> surface;  // suimen.csv
  PrintedSummary summary;           // TQSpec.csv
  double floor_slope = 0.0;  // dy/dx of the floor line through the hinge

  // The upstream surface over the leaf: x and surface elevation of the
  // suimen.csv rows with water on the leaf (depth > 0), a repeated row once.
  std::vector<Point> wet_surface() const;

  double value(SummaryId id) const { return summary.value[summary_index(id)]; }
  const std::string& text(SummaryId id) const { return summary.text[summary_index(id)]; }
};

// The files of a run as texts, from its folder or from a run in memory.
struct OutputTexts {
  std::string gate;     // XYGate.csv
  std::string stopper;  // XYStopper.csv
  std::string balloon;  // XYBalloon.csv
  std::string surface;  // suimen.csv
  std::string summary;  // TQSpec.csv
  // syogen.csv: needed only when the stopper's foot lies at the hinge, for
  // then XYGate.csv's floor point is the hinge and shows no floor direction.
  std::string syogen;
};

// The output files in the order read, each with its member of OutputTexts
// (syogen.csv, an input, is not among them).
struct OutputFile {
  const char* name;
  std::string OutputTexts::*text;
};
extern const OutputFile kOutputFiles[5];

// The texts of a run's files by name (a MemoryRun's files, with syogen.csv
// when the caller has it). Returns the name of the first output missing,
// "" when all are there.
std::string output_texts(const std::map<std::string, std::string>& files, OutputTexts& texts);

// TQSpec.csv's one line (its line end optional). Throws RunFilesError
// unless it is one line of kSummaryFieldCount finite numbers.
PrintedSummary read_printed_summary(const std::string& text);

// Parses the files (rows may end in CR LF or LF, the last line end may be
// missing). Throws RunFilesError naming the file and line for a row that
// is not exactly its count of finite numbers, a wrong row count, a bag
// outline whose last row is not its first, or a missing syogen.csv where
// the floor's angle must come from it.
RunResults parse_outputs(const OutputTexts& texts);

}  // namespace text
}  // namespace tqweir

#endif  // TQWEIR_TEXT_RUN_RESULTS_H_
