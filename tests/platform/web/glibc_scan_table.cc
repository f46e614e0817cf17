// Writes the reference table for tests/platform/web/scan_table.test.js: generated
// texts (numbers well and badly spelled, signs, exponents without digits,
// hexadecimal, inf and nan, integers beyond 64 bits, white space and line
// ends between fields) with what glibc's sscanf makes of them in each of
// the readers' three formats.
//
// Output records: format (u8), text length (u16), the text, sscanf's result
// (i32), the 13 slots (u64 each); all little-endian.
// Usage: glibc_scan_table > table.bin
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

#include "scan_formats.h"

namespace {

std::mt19937 generator(20261208);

int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(generator); }

// One field: a plain number most of the time, else pieces of number syntax
// put together at random.
std::string field() {
  static const char* const kPieces[] = {
      "0", "1", "7", "9", "12", ".", "e", "E", "+", "-", "x", "X", "p", "P", "a", "f", "0x",
      "inf", "nan", "infinity", "in", "na", " ", "\t", "\r", "\n", "1e", "5e+", "99999999999999999999",
      "9223372036854775807", "9223372036854775808", "1e400", "4e-320", "d", "\x01", "(1)"};
  if (pick(3) != 0) {
    char buffer[40];
    std::uniform_real_distribution<double> u(-50.0, 50.0);
    static const char* const kFormats[] = {"%.3f", "%g", "%.17g", "%d", "%e", "%a"};
    const int f = pick(6);
    if (f == 3) {
      std::snprintf(buffer, sizeof buffer, kFormats[f], pick(2000) - 1000);
    } else {
      std::snprintf(buffer, sizeof buffer, kFormats[f], u(generator));
    }
    return buffer;
  }
  std::string s;
  for (int n = 1 + pick(4); n > 0; --n) s += kPieces[pick(sizeof kPieces / sizeof kPieces[0])];
  return s;
}

std::string text() {
  static const char* const kSeparators[] = {",", ",", ",", ", ", " ,", ",\r\n", "\r\n", ";"};
  std::string s;
  for (int n = 1 + pick(14); n > 0; --n) {
    s += field();
    s += kSeparators[pick(sizeof kSeparators / sizeof kSeparators[0])];
  }
  return s.substr(0, 65535);
}

template <typename T>
void put(const T& value) {
  std::fwrite(&value, sizeof value, 1, stdout);
}

}  // namespace

int main() {
  for (int i = 0; i < 30000; ++i) {
    const std::string t = text();
    for (int format = 0; format < tqweir::web::test::kScanFormats; ++format) {
      std::uint64_t slots[tqweir::web::test::kScanSlots];
      const int result = tqweir::web::test::scan_with_format(format, t.c_str(), slots);
      put(static_cast<std::uint8_t>(format));
      put(static_cast<std::uint16_t>(t.size()));
      std::fwrite(t.data(), 1, t.size(), stdout);
      put(static_cast<std::int32_t>(result));
      for (const std::uint64_t s : slots) put(s);
    }
  }
  return 0;
}
