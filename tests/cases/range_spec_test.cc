// The limits of --range: exactly the largest count is taken and one more is
// refused, for one range and for the product of several, and counts too
// large for the arithmetic are refused rather than wrapped.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "text/input_error.h"
#include "cases/range_spec.h"

namespace {

using tqweir::cases::expand_ranges;
using tqweir::text::InputError;
using tqweir::cases::kMaxRangeCases;
using tqweir::cases::parse_range;

std::string refusal(const std::vector<std::string>& args, std::size_t max_cases) {
  try {
    std::vector<tqweir::cases::RangeSpec> ranges;
    for (const std::string& arg : args) ranges.push_back(parse_range(arg));
    expand_ranges(ranges, max_cases);
  } catch (const InputError& e) {
    return e.what();
  }
  return "";
}

TEST(RangeLimits, TheLargestCountIsTakenAndOneMoreIsRefused) {
  EXPECT_EQ(parse_range("overflow_mode=1:1000000:1").texts.size(), kMaxRangeCases);
  EXPECT_EQ(parse_range("hd_nd=0:99.9999:0.0001").texts.size(), kMaxRangeCases);
  EXPECT_NE(refusal({"overflow_mode=1:1000001:1"}, kMaxRangeCases).find("more than 1000000 values"),
            std::string::npos);
  // The product of several ranges, at a small limit: 3 x 4 = 12 is taken, 13 x 1 is not.
  EXPECT_EQ(refusal({"hd_nd=0:2:1", "span=1:4:1"}, 12), "");
  EXPECT_EQ(refusal({"hd_nd=0:12:1", "span=1:1:1"}, 12), "--range: more than 12 cases");
}

TEST(RangeLimits, HugeOrOverflowingCountsAreRefused) {
  const struct {
    std::vector<std::string> args;
    const char* expected;
  } bad[] = {
      {{"leaf_weight=-99999999999999:99999999999999:1"}, "more than 1000000 values"},
      {{"leaf_weight=0:999999999999999:0.5"}, "too many digits"},
      {{"leaf_weight=0:1:inf"}, "plain decimal numbers"},
      {{"leaf_weight=0:1:nan"}, "plain decimal numbers"},
      {{"leaf_weight=0:1:0.000"}, "STEP must be greater than 0"},
      {{"leaf_weight=1:0:0.5"}, "TO must not be less than FROM"},
  };
  for (const auto& b : bad) {
    EXPECT_NE(refusal(b.args, kMaxRangeCases).find(b.expected), std::string::npos)
        << b.args[0] << ": " << refusal(b.args, kMaxRangeCases);
  }
}

}  // namespace
