// Fuzz target: the --range text. The bytes, cut at NUL bytes into up to
// three arguments, go to parse_range, and the ranges read to expand_ranges.
// An InputError is the answer to a bad range; anything else escaping is a
// finding, and so is an accepted range whose values do not run from FROM
// upwards without passing TO.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "text/input_error.h"
#include "cases/range_spec.h"

namespace {

// Cases expanded at most: the limit itself is a unit test's, and a small
// one keeps every input fast.
constexpr std::size_t kFuzzMaxCases = 1000;
constexpr std::size_t kMaxArguments = 3;

std::vector<std::string> split_arguments(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> args(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\0' && args.size() < kMaxArguments) {
      args.emplace_back();
    } else {
      args.back() += static_cast<char>(data[i]);
    }
  }
  return args;
}

// FROM and TO of an argument parse_range accepted ("NAME=FROM:TO:STEP").
void bounds_of(const std::string& arg, double& from, double& to) {
  const std::string spec = arg.substr(arg.find('=') + 1);
  const std::size_t colon = spec.find(':');
  from = std::strtod(spec.substr(0, colon).c_str(), nullptr);
  to = std::strtod(spec.substr(colon + 1, spec.find(':', colon + 1) - colon - 1).c_str(), nullptr);
}

void check_range(const std::string& arg, const tqweir::cases::RangeSpec& range) {
  TQWEIR_FUZZ_CHECK(range.field != nullptr, "range without a field");
  TQWEIR_FUZZ_CHECK(!range.texts.empty(), "range without values");
  TQWEIR_FUZZ_CHECK(range.texts.size() <= tqweir::cases::kMaxRangeCases, "range above the limit");
  double from = 0.0, to = 0.0;
  bounds_of(arg, from, to);
  // At most 15 significant digits: distinct decimals stay distinct doubles.
  double previous = std::strtod(range.texts[0].c_str(), nullptr);
  TQWEIR_FUZZ_CHECK(previous == from, "first value is not FROM");
  for (std::size_t k = 1; k < range.texts.size(); ++k) {
    const double value = std::strtod(range.texts[k].c_str(), nullptr);
    TQWEIR_FUZZ_CHECK(value > previous, "values do not increase");
    previous = value;
  }
  TQWEIR_FUZZ_CHECK(previous <= to, "last value beyond TO");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> args = split_arguments(data, size);
  std::vector<tqweir::cases::RangeSpec> ranges;
  try {
    for (const std::string& arg : args) {
      ranges.push_back(tqweir::cases::parse_range(arg));
      check_range(arg, ranges.back());
    }
    const tqweir::cases::CaseTable table = tqweir::cases::expand_ranges(ranges, kFuzzMaxCases);
    std::size_t count = 1;
    for (const auto& range : ranges) count *= range.texts.size();
    TQWEIR_FUZZ_CHECK(table.rows.size() == count && count <= kFuzzMaxCases, "wrong case count");
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
      TQWEIR_FUZZ_CHECK(table.rows[r].size() == ranges.size(), "row of the wrong width");
    }
  } catch (const tqweir::text::InputError&) {
  }
  return 0;
}
