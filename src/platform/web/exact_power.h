// The powers the core takes (x^2, x^3 and x^1.5), rounded to the nearest
// double, as glibc's pow rounds them wherever its result is correctly
// rounded: the product or x * sqrt(x) formed in double-double and rounded
// once.
#ifndef TQWEIR_WEB_EXACT_POWER_H_
#define TQWEIR_WEB_EXACT_POWER_H_

namespace tqweir {
namespace web {

// Sets *result to x^y and returns true for y = 2, 3 or 1.5 and x in the
// range where the double-double steps neither overflow nor underflow
// (2^-300 <= |x| <= 2^300, x > 0 for 1.5); returns false for anything else,
// which is the caller's (the C library's pow).
bool exact_power(double x, double y, double* result);

}  // namespace web
}  // namespace tqweir

#endif  // TQWEIR_WEB_EXACT_POWER_H_
