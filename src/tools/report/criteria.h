// criteria.csv: the report's title texts and the limits the results are
// checked against.
#ifndef TQWEIR_TOOLS_REPORT_CRITERIA_H_
#define TQWEIR_TOOLS_REPORT_CRITERIA_H_

#include <string>

namespace tqweir {
namespace report {

// A number of criteria.csv; absent unless `given`.
struct Limit {
  bool given = false;
  double value = 0.0;
  std::string text;  // as written
};

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
// a header row "name,value". The texts take any value; the numbers must be
// finite and greater than 0. Throws tools::InputError naming `source`, the
// line and the column for an unknown or repeated name, a number that does
// not convert or is not above 0, and a row that is not two cells.
Criteria read_criteria(const std::string& text, const std::string& source);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_REPORT_CRITERIA_H_
