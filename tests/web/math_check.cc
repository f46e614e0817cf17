// The web build's math functions as the core reaches them (through the
// wrapped names), one entry point for the table test.
#include <cmath>

// Function numbers as in tests/web/glibc_table.cc.
extern "C" double math_check(int function, double x) {
  switch (function) {
    case 0: return std::sin(x);
    case 1: return std::cos(x);
    case 2: return std::tan(x);
    case 3: return std::atan(x);
    case 4: return std::asin(x);
    case 5: return std::acos(x);
    case 6: return std::pow(x, 1.5);
    case 7: return std::pow(x, 2.0);
    case 8: return std::pow(x, 3.0);
    default: return NAN;
  }
}
