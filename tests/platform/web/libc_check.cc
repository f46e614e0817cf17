// The web build's wrapped C library functions as the core reaches them,
// for the tests that compare them with glibc (tests/platform/web/*.test.js).
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "scan_formats.h"

// Function numbers as in tests/platform/web/glibc_table.cc.
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
    case 9: return std::pow(x, 2.0 / 1.4);
    case 10: return std::pow(x, 2.4 / 1.4);
    case 11: return std::pow(x, -0.2);
    default: return NAN;
  }
}

// sscanf of `text` with the input format `format` (scan_formats.h);
// the slots get the stored values' bits, as in tests/platform/web/glibc_scan_table.cc.
extern "C" int scan_check(int format, const char* text, std::uint64_t* slots) {
  return tqweir::web::test::scan_with_format(format, text, slots);
}
