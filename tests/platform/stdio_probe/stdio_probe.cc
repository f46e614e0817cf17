// Prints how this build formats numbers and how its readers take numbers
// apart, one line per probe. The same program built for Linux and for
// Windows must print the same bytes: any difference is a C runtime
// difference (printf rounding, "-0.000", "nan", "inf", exponent and hex
// syntax, "%n") that would change the output files or the accepted inputs.
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "core/messages.h"
#include "core/stop.h"
#include "input/parameter_reader.h"
#include "input/profile_reader.h"
#include "output/format.h"

namespace {

using tqweir::append_format;

// The token with its control characters spelled out, to keep one line per
// probe.
std::string shown(const char* token) {
  std::string s;
  for (const char* c = token; *c != '\0'; ++c) {
    if (*c == '\r') {
      s += "\\r";
    } else if (*c == '\n') {
      s += "\\n";
    } else if (*c == '\t') {
      s += "\\t";
    } else {
      s += *c;
    }
  }
  return s;
}

// The bits of a double, so a value read is shown without printf's help.
std::string bits(double v) {
  std::uint64_t u = 0;
  std::memcpy(&u, &v, sizeof u);
  std::string s;
  append_format(s, "%016" PRIx64, u);
  return s;
}

void probe_formats(std::ostream& out) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<double> values = {
      0.0,    -0.0,   0.5,     1.5,   2.5,    0.125,  0.375,  2.675,  0.0005,
      -0.0004, -0.0005, 1e-9,  0.1,   1.0 / 3, 123456.789, 99.9995, 1e15, 1e20,
      1e300,  -1e300, 4.9e-324, 2.2250738585072014e-308, inf, -inf, nan};
  // Left out: a NaN with its sign bit set, which glibc prints "-nan" and
  // MinGW-w64 "nan" (the one known difference; see docs/windows.md).
  const char* formats[] = {"%10.8f", "%10.8lf", "%8.3f", "%6.3f", "%.3f", "%lf",
                           "%.0f",   "%e",      "%.17g", "%g"};
  for (const char* f : formats) {
    for (double v : values) {
      std::string s = "format ";
      s += f;
      s += " " + bits(v) + " [";
      append_format(s, f, v);
      out << s << "]\n";
    }
  }
  for (int n : {0, -1, 7, 2147483647, -2147483647 - 1}) {
    std::string s;
    append_format(s, "format %%5d %d [%5d] [%-3d,]", n, n, n);
    out << s << "\n";
  }
}

// What the profile reader makes of a first point "<token>,1" followed by
// the point 0,0: the two values' bits, or the stop message.
void probe_number_syntax(std::ostream& out) {
  const char* tokens[] = {
      "1",      "-0",     "+.5",     ".5",      "5.",     "1e3",     "1E+03",
      "1e-3",   "1e",     "1e+",     "1.5e",    "0x1p3",  "0x1.8p1", "0X.8P0",
      "0x",     "0x1",    "1e400",   "-1e400",  "1e-400", "inf",     "-INF",
      "infinity", "nan",  "NaN(1)",  "1d3",     "1,5",    "  \t2",   "\r\n3",
      "4\r",    "1.0000000000000000000001", "0.1000000000000000055511151231257827",
      "2.2250738585072011e-308", "4.9406564584124654e-324", "--1", "+-1", "e5"};
  for (const char* t : tokens) {
    const std::string in = std::string(t) + ",1\r\n0,0\r\n";
    std::string line = "profile [";
    line += shown(t) + "] ";
    try {
      for (const tqweir::ProfilePoint& p : tqweir::read_profile_points(in)) {
        line += bits(p.x) + "," + bits(p.y) + " ";
      }
    } catch (const tqweir::StopRun& stop) {
      line += tqweir::message_key(stop.message());
    }
    out << line << "\n";
  }
}

// The integer first field of parameter.csv: "%d" must stop at a point or
// an exponent the same way everywhere.
void probe_integer_field(std::ostream& out) {
  const char* tokens[] = {"1", "+2", "-3", "1.0", "1e0", "0x1", "07", " 3", "3 ,", "",
                          "2147483647", "-2147483648", "2147483648", "4294967297",
                          "-2147483649", "99999999999999999999", "-99999999999999999999"};
  for (const char* t : tokens) {
    const std::string in = std::string(t) + ",1,2,3,4,5,6,7,8\r\n";
    std::string line = "parameter [";
    line += shown(t) + "] ";
    try {
      const tqweir::ParameterInput p = tqweir::read_parameter(in);
      append_format(line, "mode %d ", p.overflow_mode);
      line += bits(p.upstream_level);
    } catch (const tqweir::StopRun& stop) {
      line += tqweir::message_key(stop.message());
    }
    out << line << "\n";
  }
}

}  // namespace

int main() {
  probe_formats(std::cout);
  probe_number_syntax(std::cout);
  probe_integer_field(std::cout);
  return 0;
}
