// operation.csv of a design folder: the exhaust valve, the blower and the
// angle the leaf is lowered to, as rows "name,value".
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
};

// "valve_area, valve_coefficient, blower_curve, lowered_angle".
std::string operation_names();

// Reads operation.csv, already in UTF-8: rows "name,value", optionally after
// a header row "name,value". The numbers must be finite and above 0 (the
// lowered angle at least kLowestLoweredAngle), the blower curve as
// parse_blower_curve reads it. Throws text::InputError naming `source`, the
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
