// criteria.csv: the report's title texts and the limits the results are
// checked against.
#ifndef TQWEIR_TOOLS_COMMON_CRITERIA_H_
#define TQWEIR_TOOLS_COMMON_CRITERIA_H_

#include <string>

namespace tqweir {
namespace report {

// A number of criteria.csv; absent unless `given`.
struct Limit {
  bool given = false;
  double value = 0.0;
  std::string text;  // as written
  int line = 0;      // of criteria.csv
};

// The range a limit must lie in, in its unit (kN/m, kN, kPa), as given or
// as derived (strength / safety factor). No real capacity lies outside;
// one that does is a slip of the exponent, and a ratio against it would be
// beyond the digits the checks print (or overflow to infinity, or be 0).
constexpr double kSmallestLimit = 1e-6;
constexpr double kLargestLimit = 1e12;

struct Criteria {
  // Texts for the title block (UTF-8); empty when not given.
  std::string title;
  std::string project;
  std::string prepared_by;
  std::string date;  // empty: the day the report is made
  Limit membrane_strength;       // kN/m, the membrane's tensile strength
  Limit membrane_safety_factor;  // -, strength / allowed tension
  Limit stopper_capacity;        // kN
  Limit max_bag_pressure;        // kPa, gauge, at the air temperature
  Limit floor_anchor_capacity;   // kN/m
};

// "title, project, prepared_by, date, membrane_strength, ...": for messages.
std::string criterion_names();

// Reads criteria.csv, already in UTF-8: rows "name,value", optionally after
// a header row "name,value". The texts take any value without a control
// byte; the numbers must be finite and greater than 0, and each limit
// (membrane_strength divided by membrane_safety_factor, or 1 without one)
// from kSmallestLimit to kLargestLimit. Throws tools::InputError naming
// `source`, the line and the column for an unknown or repeated name, a
// number that does not convert (all of the cell) or is not above 0, a
// limit out of range (naming the lines it comes from), a control byte in a
// text, and a row that is not two cells.
Criteria read_criteria(const std::string& text, const std::string& source);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_COMMON_CRITERIA_H_
