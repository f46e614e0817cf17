#include "text/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tqweir {
namespace text {

std::string exact_text(double value) {
  char buffer[400];
  // Plain decimals for the magnitudes of engineering inputs (9800 rather
  // than 9.8e+03), the shortest exponent form for anything else.
  const double magnitude = std::fabs(value);
  if (magnitude == 0.0 || (magnitude >= 1e-6 && magnitude < 1e15)) {
    for (int decimals = 0; decimals <= 22; ++decimals) {
      std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
      if (std::strtod(buffer, nullptr) == value) return buffer;
    }
  }
  for (int digits = 1; digits <= 17; ++digits) {
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
    if (std::strtod(buffer, nullptr) == value) break;
  }
  return buffer;
}

std::string fixed_text(double value, int decimals) {
  // Room for the 309 digits of the largest double and the decimals asked.
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

std::string shown_text(double value, int decimals) {
  char buffer[64];
  if (std::fabs(value) >= 1e15) {
    std::snprintf(buffer, sizeof buffer, "%.*e", decimals, value);
    return buffer;
  }
  std::string text = fixed_text(value, decimals);
  if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

std::string limit_number_text(double value) {
  const int decimals = value < 0.1 ? 2 - static_cast<int>(std::floor(std::log10(value))) : 3;
  return fixed_text(value, decimals);
}

std::string ratio_text(double ratio) {
  // ratio * 1000 has at most six decimals, up to the binary rounding of the
  // product (0.123 * 1000 = 123.00000000000001): the slack absorbs that.
  // Adding 0 turns the -0 that ceil gives for a ratio of 0 into 0.
  return fixed_text(std::ceil(ratio * 1000.0 - 1e-7) / 1000.0 + 0.0, 3);
}

std::string times_thousand(const std::string& text) {
  // A number too small or too large for plain decimals (exact_text gives
  // "-3.5e-20" for a blend's residue of zero) keeps its mantissa and gains
  // three in its exponent; moving the point there would move it into the
  // exponent's digits and read a residue as tens of kPa.
  const std::size_t exponent = text.find_first_of("eE");
  if (exponent != std::string::npos) {
    const long power = std::strtol(text.c_str() + exponent + 1, nullptr, 10);
    return text.substr(0, exponent) + "e" + std::to_string(power + 3);
  }
  std::string sign;
  std::string digits = text;
  if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) {
    if (digits[0] == '-') sign = "-";
    digits.erase(0, 1);
  }
  std::size_t point = digits.find('.');
  if (point == std::string::npos) {
    digits += ".";
    point = digits.size() - 1;
  }
  std::string fraction = digits.substr(point + 1);
  std::string whole = digits.substr(0, point);
  fraction.append(fraction.size() < 3 ? 3 - fraction.size() : 0, '0');
  whole += fraction.substr(0, 3);
  fraction.erase(0, 3);
  while (whole.size() > 1 && whole[0] == '0') whole.erase(0, 1);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  const std::string result = fraction.empty() ? whole : whole + "." + fraction;
  return result == "0" ? result : sign + result;
}

}  // namespace text
}  // namespace tqweir
