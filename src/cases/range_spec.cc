#include "cases/range_spec.h"

#include <algorithm>

#include "text/input_error.h"

namespace tqweir {
namespace cases {
namespace {

// Digits a scaled value may have: well inside a long long.
constexpr int kMaxDigits = 15;

struct Decimal {
  bool negative = false;
  std::string digits;  // integer part then fraction, no point
  int decimals = 0;
};

bool parse_decimal(const std::string& text, Decimal& d) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) d.negative = text[i++] == '-';
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      d.digits += c;
      if (point) ++d.decimals;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return !d.digits.empty();
}

// The decimal scaled by 10^decimals as an integer.
long long scaled(const Decimal& d, int decimals) {
  long long v = 0;
  for (char c : d.digits) v = v * 10 + (c - '0');
  for (int k = d.decimals; k < decimals; ++k) v *= 10;
  return d.negative ? -v : v;
}

std::string decimal_text(long long scaled_value, int decimals) {
  const bool negative = scaled_value < 0;
  std::string digits = std::to_string(negative ? -scaled_value : scaled_value);
  if (static_cast<int>(digits.size()) <= decimals) {
    digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
  }
  if (decimals > 0) digits.insert(digits.size() - static_cast<std::size_t>(decimals), ".");
  return negative ? "-" + digits : digits;
}

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

}  // namespace

std::string range_reason(const std::string& what, const std::string& arg) {
  const std::string prefix = "--range " + arg + ": ";
  return what.compare(0, prefix.size(), prefix) == 0 ? what.substr(prefix.size()) : what;
}

RangeSpec parse_range(const std::string& arg) {
  const std::string usage = "--range " + arg + ": ";
  const std::size_t eq = arg.find('=');
  if (eq == std::string::npos) throw text::InputError(usage + "write it as NAME=FROM:TO:STEP");
  RangeSpec range;
  const std::string name = arg.substr(0, eq);
  range.field = find_input_field(name);
  if (range.field == nullptr) {
    throw text::InputError(usage + "unknown field '" + name + "' (known fields: " +
                     input_field_list() + ")");
  }
  const std::vector<std::string> parts = split(arg.substr(eq + 1), ':');
  if (parts.size() != 3) throw text::InputError(usage + "write it as NAME=FROM:TO:STEP");
  Decimal from, to, step;
  if (!parse_decimal(parts[0], from) || !parse_decimal(parts[1], to) ||
      !parse_decimal(parts[2], step)) {
    throw text::InputError(usage + "FROM, TO and STEP are plain decimal numbers such as -0.25");
  }
  const int decimals = std::max(from.decimals, std::max(to.decimals, step.decimals));
  for (const Decimal* d : {&from, &to, &step}) {
    if (static_cast<int>(d->digits.size()) - d->decimals + decimals > kMaxDigits) {
      throw text::InputError(usage + "too many digits");
    }
  }
  if (decimals > 0 && is_integer_field(*range.field)) {
    throw text::InputError(usage + "overflow_mode takes whole numbers");
  }
  const long long first = scaled(from, decimals);
  const long long last = scaled(to, decimals);
  const long long stride = scaled(step, decimals);
  if (stride <= 0) throw text::InputError(usage + "STEP must be greater than 0");
  if (last < first) throw text::InputError(usage + "TO must not be less than FROM");
  if ((last - first) / stride >= static_cast<long long>(kMaxRangeCases)) {
    throw text::InputError(usage + "more than " + std::to_string(kMaxRangeCases) + " values");
  }
  for (long long v = first; v <= last; v += stride) {
    range.texts.push_back(decimal_text(v, decimals));
  }
  return range;
}

CaseTable expand_ranges(const std::vector<RangeSpec>& ranges, std::size_t max_cases) {
  CaseTable table;
  std::size_t count = 1;
  for (const RangeSpec& range : ranges) {
    for (const InputField* field : table.fields) {
      if (field == range.field) {
        throw text::InputError(std::string("--range: field '") + field->name + "' is given twice");
      }
    }
    table.fields.push_back(range.field);
    if (range.texts.empty()) {
      throw text::InputError(std::string("--range: field '") + range.field->name + "' has no values");
    }
    // Compared before multiplying: the product of several ranges of a
    // million values each would overflow a 32-bit size_t.
    if (range.texts.size() > max_cases / count) {
      throw text::InputError("--range: more than " + std::to_string(max_cases) + " cases");
    }
    count *= range.texts.size();
  }
  table.rows.resize(count, std::vector<FieldValue>(ranges.size()));
  // Row r takes, from range k, value (r / product of the later ranges' sizes) mod size.
  std::size_t repeat = count;
  for (std::size_t k = 0; k < ranges.size(); ++k) {
    const std::vector<std::string>& texts = ranges[k].texts;
    repeat /= texts.size();
    for (std::size_t r = 0; r < count; ++r) {
      const std::string& text = texts[(r / repeat) % texts.size()];
      std::string why;
      if (!parse_field_value(*ranges[k].field, text, table.rows[r][k], why)) {
        throw text::InputError("--range: value '" + text + "' " + why);
      }
    }
  }
  return table;
}

std::vector<double> range_values(const InputField& field, const std::vector<std::string>& texts) {
  std::vector<double> values;
  for (const std::string& text : texts) {
    double value = 0.0;
    std::string why;
    parse_field_value(field, text, value, why);
    values.push_back(value);
  }
  return values;
}

}  // namespace cases
}  // namespace tqweir
