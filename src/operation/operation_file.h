// operation.csv of a design folder: the exhaust valve, the blower, the
// angle the leaf is lowered to, and for a flood the rule's levels and the
// pond, as rows "name,value".
#ifndef TQWEIR_OPERATION_OPERATION_FILE_H_
#define TQWEIR_OPERATION_OPERATION_FILE_H_

#include <string>

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
  // The weir beside the gate, kept as written for the flood's reader: a
  // fixed crest "LENGTH LEVEL C", the leaf's coefficient against its angle
  // (degree:C), the overflow depths where the nappe vibrates (FROM:TO, m).
  GivenPairs fixed_crest;
  GivenPairs discharge_coefficient_curve;
  GivenPairs vibration_band;
};

// "valve_area, valve_coefficient, blower_curve, lowered_angle, ...".
std::string operation_names();

// Reads operation.csv, already in UTF-8: rows "name,value", optionally after
// a header row "name,value". The numbers as text::read_number reads them
// and above 0 (the lowered angle at least kLowestLoweredAngle, the
// valve_coefficient at most 1), the blower curve as
// parse_blower_curve reads it; the pair lists are kept as written, and
// storage_curve and pond_area exclude each other. Throws text::InputError naming `source`, the
// line and the column for an unknown or repeated name, a value refused and
// a row that is not two cells.
OperationFile read_operation(const std::string& text, const std::string& source);

// Reads DIR/operation.csv (UTF-8 or CP932) into `file`; false when there is
// none. Throws text::InputError as read_operation does, and for a file
// that cannot be read or whose encoding is broken.
bool read_operation_in(const std::string& dir, OperationFile& file);

// "SOURCE line L, column 2 (NAME)": where a value of the file is, for a
// refusal that comes later (a lowered angle not below a case's leaf angle).
std::string value_place(const OperationFile& file, int line, const char* name);

}  // namespace operation
}  // namespace tqweir

#endif  // TQWEIR_OPERATION_OPERATION_FILE_H_
