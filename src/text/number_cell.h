// How the files of a design folder write a number (operation.csv,
// criteria.csv, loadcases.csv, the inflow's hydrograph, the pair lists):
// one rule and one set of refusals for all of them.
#ifndef TQWEIR_TEXT_NUMBER_CELL_H_
#define TQWEIR_TEXT_NUMBER_CELL_H_

#include <string>

namespace tqweir {
namespace text {

// True when the whole of `cell` is a decimal number, `value`: an optional
// sign, digits with at most one point (at least one digit), an optional
// exponent e or E with an optional sign and digits ("2.5", "-.75",
// "1.2e-3", "+4."). Nothing else: no blanks, no hexadecimal, no "inf" or
// "nan". The value is strtod's (the nearest double), and must be 0 or of
// a size a double holds to its digits (from DBL_MIN to DBL_MAX): a number
// that would come out infinite, or as 0 or a subnormal with its digits
// lost, is refused rather than read as something else. Otherwise false,
// with `why` the refusal as it follows the quoted cell ("is not a decimal
// number ...").
bool read_number(const std::string& cell, double& value, std::string& why);

// read_number's value of `cell`. Throws InputError "PLACE: 'CELL' WHY"
// (the cell as shown_cell quotes it).
double number_cell(const std::string& cell, const std::string& place);

}  // namespace text
}  // namespace tqweir

#endif  // TQWEIR_TEXT_NUMBER_CELL_H_
