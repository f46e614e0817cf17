// The three sscanf formats of the input readers (src/input/*_reader.cc),
// run on a text with the stored values' bits in `slots`: the same code
// compiled natively (glibc) and for the web build, so that the two C
// libraries can be compared on any text.
#ifndef TQWEIR_TESTS_WEB_SCAN_FORMATS_H_
#define TQWEIR_TESTS_WEB_SCAN_FORMATS_H_

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace tqweir {
namespace web {
namespace test {

constexpr int kScanFormats = 3;
constexpr int kScanSlots = 13;

inline std::uint64_t bits_of(double v) {
  std::uint64_t b;
  std::memcpy(&b, &v, sizeof b);
  return b;
}

// Returns sscanf's result; slots not stored keep the marker 0x5a5a...
inline int scan_with_format(int format, const char* text, std::uint64_t* slots) {
  double v[12];
  long long mode = 0;
  int used = -1;
  for (double& x : v) std::memcpy(&x, "\x5a\x5a\x5a\x5a\x5a\x5a\x5a\x5a", 8);
  std::memcpy(&mode, "\x5a\x5a\x5a\x5a\x5a\x5a\x5a\x5a", 8);
  int result = 0;
  switch (format) {
    case 0:  // syogen.csv
      result = std::sscanf(text, "%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf ", &v[0],
                           &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9],
                           &v[10], &v[11]);
      break;
    case 1:  // parameter.csv
      result = std::sscanf(text, "%lld,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf ", &mode, &v[0], &v[1],
                           &v[2], &v[3], &v[4], &v[5], &v[6], &v[7]);
      break;
    default:  // one point of hitai.csv
      result = std::sscanf(text, "%lf,%lf%n", &v[0], &v[1], &used);
      break;
  }
  for (int i = 0; i < 12; ++i) slots[i] = bits_of(v[i]);
  slots[12] = format == 1 ? static_cast<std::uint64_t>(mode) : static_cast<std::uint64_t>(used);
  return result;
}

}  // namespace test
}  // namespace web
}  // namespace tqweir

#endif  // TQWEIR_TESTS_WEB_SCAN_FORMATS_H_
