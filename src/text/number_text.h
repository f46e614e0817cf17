// Numbers as the report writes them. Results are the program's printed
// texts; what the report computes itself is written here, each with its
// rounding stated where it is used.
#ifndef TQWEIR_TEXT_NUMBER_TEXT_H_
#define TQWEIR_TEXT_NUMBER_TEXT_H_

#include <string>

namespace tqweir {
namespace text {

// The shortest decimal that reads back as exactly `value` ("0.3", "9800",
// "0.00001", "1e-07"): an input as the program holds it, with no rounding.
std::string exact_text(double value);

// `value` with `decimals` decimals ("%.*f").
std::string fixed_text(double value, int decimals);

// A value the tools computed themselves, to `decimals` decimals: one that
// rounds to zero has no sign ("-0.000" would read as a loss that is not
// there), and a magnitude of 1e15 or more is written in exponent form with
// as many decimals ("1.0000e+308"), where a fixed decimal would run to
// hundreds of digits.
std::string shown_text(double value, int decimals);

// A limit of a check: three decimals, and below 0.1 as many more as three
// significant digits need ("0.0500", "0.000417"), so that no limit above
// 0 reads as 0.000. REQUIRES: value > 0.
std::string limit_number_text(double value);

// A ratio of a check, rounded up to three decimals, so that a ratio shown
// as 1.000 or less is never above 1; 0 is "0.000". REQUIRES: `ratio` is rounded to nine
// decimals.
std::string ratio_text(double ratio);

// A printed decimal multiplied by 1000 by moving its point three places:
// "0.206" (MPa) gives "206" (kPa), "-0.0125" gives "-12.5". No digit is
// rounded. `text` is a plain decimal, as "%f" prints one, or a number in
// exponent form, as "%g" prints one ("-3.5e-20" gives "-3.5e-17").
std::string times_thousand(const std::string& text);

}  // namespace text
}  // namespace tqweir

#endif  // TQWEIR_TEXT_NUMBER_TEXT_H_
