// operation.csv of a design folder: the exhaust valve, the blower, the
// angle the leaf is lowered to, and for a flood the rule's levels and the
// pond, as rows "name,value".
#ifndef TQWEIR_OPERATION_OPERATION_FILE_H_
#define TQWEIR_OPERATION_OPERATION_FILE_H_

#include <cstddef>
#include <string>
#include <vector>

#include "core/folder_texts.h"
#include "design/criteria.h"
#include "operation/blower_curve.h"

namespace tqweir {
namespace operation {

// A number of operation.csv as criteria.csv's are held: absent unless
// given, with its text and line.
using GivenValue = design::Limit;
// A pair list ("m:m3 m:m3 ...") kept as written with its line: the flood's
// reader turns it into a table and refuses it naming this line.
using GivenPairs = design::GivenText;

// The smallest lowered angle: the summary clamps the leaf angle to 1.0
// degree, so a state below it is the state at 1.0.
constexpr double kLowestLoweredAngle = 1.0;

// The most gates a weir of operation.csv has: a weir of more bays is
// several weirs, each with its own plant.
constexpr int kMostGates = 50;

// A level for each gate ("3.1 3.2 3.3", gate 1 first) or one for every
// gate, with their texts and line.
struct GivenLevels {
  bool given = false;
  std::string text;
  int line = 0;
  std::vector<double> values;      // m
  std::vector<std::string> texts;  // each as written
};

struct OperationFile {
  std::string source;           // the file's path, for messages
  GivenValue valve_area;        // m^2, total of the whole gate
  GivenValue valve_coefficient; // -, discharge coefficient Cd
  GivenValue lowered_angle;     // degree
  bool has_blower = false;
  BlowerCurve blower_curve;     // whole gate, free air
  std::string blower_text;
  int blower_line = 0;
  // The flood's rule (m, the section frame): the valve opens at
  // lower_at_level rising; below raise_at_level, the leaf down, the valve
  // closes and the blower raises it; a float valve opens without power at
  // backup_lower_at_level.
  GivenValue lower_at_level;
  GivenValue raise_at_level;
  GivenValue backup_lower_at_level;
  GivenValue initial_level;     // m, else the steady level of the first inflow
  GivenValue pond_area;         // m2, a pond of vertical banks
  GivenPairs storage_curve;     // m:m3
  GivenPairs other_outflow;     // m:m3/s
  GivenPairs tailwater_curve;   // m3/s:m, the tailwater's level against the discharge
  // The weir: `gates` identical gates of the design's span side by side,
  // each with its own valve (valve_area and valve_coefficient are each
  // gate's), float valve and air; `blowers` raise them, at most that many
  // at once. The plural level rows give each gate its own level (a
  // lowering sequence) in place of the singular ones.
  GivenValue gates;             // a whole number 1..kMostGates; absent: 1
  GivenValue blowers;           // a whole number 1..gates; absent: one per gate
  GivenLevels lower_at_levels;
  GivenLevels backup_lower_at_levels;
  // The weir beside the gate, kept as written for the flood's reader: a
  // fixed crest "LENGTH LEVEL C", the leaf's coefficient against its angle
  // (degree:C), the overflow depths where the nappe vibrates (FROM:TO, m).
  GivenPairs fixed_crest;
  GivenPairs discharge_coefficient_curve;
  GivenPairs vibration_band;
};

// The weir's gates (1 when `gates` is absent) and its blowers (one per
// gate when `blowers` is absent).
int gate_count(const OperationFile& file);
int blower_count(const OperationFile& file);

// The level (m) at which gate `gate` (from 0)'s exhaust valve opens, from
// lower_at_level or lower_at_levels (its own level or the one for all);
// not given when neither row is. The same for the float valve.
GivenValue lower_level_of(const OperationFile& file, std::size_t gate);
GivenValue backup_level_of(const OperationFile& file, std::size_t gate);

// "valve_area, valve_coefficient, blower_curve, lowered_angle, ...".
std::string operation_names();

// Reads operation.csv, already in UTF-8: rows "name,value", optionally after
// a header row "name,value". The numbers as text::read_number reads them
// and above 0 (the lowered angle at least kLowestLoweredAngle, the
// valve_coefficient at most 1), the blower curve as
// parse_blower_curve reads it; the pair lists are kept as written, and
// storage_curve and pond_area exclude each other, and so do a level row
// and its plural; gates and blowers are whole numbers (blowers at most
// gates), a plural row holds one level or one per gate, and a weir of
// several gates takes no tailwater_curve. Throws text::InputError naming `source`, the
// line and the column for an unknown or repeated name, a value refused and
// a row that is not two cells.
OperationFile read_operation(const std::string& text, const std::string& source);

// Reads DIR/operation.csv (UTF-8 or CP932) into `file`; false when there is
// none. Throws text::InputError as read_operation does, and for a file
// that cannot be read or whose encoding is broken.
bool read_operation_in(const std::string& dir, OperationFile& file);
// The same from the operation.csv `folder` holds (a design's files as read).
bool read_operation_from(const FolderTexts& folder, OperationFile& file);

// "SOURCE line L, column 2 (NAME)": where a value of the file is, for a
// refusal that comes later (a lowered angle not below a case's leaf angle).
std::string value_place(const OperationFile& file, int line, const char* name);

}  // namespace operation
}  // namespace tqweir

#endif  // TQWEIR_OPERATION_OPERATION_FILE_H_
