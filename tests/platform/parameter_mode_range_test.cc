// The surface-model integer of parameter.csv: a number that does not fit in
// an int is refused, where a plain "%d" read would leave it to the C runtime
// (glibc wraps 4294967297 round to the valid mode 1, MinGW-w64 saturates).
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "core/stop.h"
#include "input/parameter_reader.h"

namespace {

// parameter.csv with `mode` as its first field and the standard eight reals.
std::string with_mode(const std::string& mode) { return mode + ",2.5,0.3,0.5,15,45,2,3,10\r\n"; }

int read_mode(const std::string& text) {
  const std::string in = text;
  return tqweir::read_parameter(in).overflow_mode;
}

void expect_refused(const std::string& mode) {
  const std::string in = with_mode(mode);
  try {
    tqweir::read_parameter(in);
    ADD_FAILURE() << "mode \"" << mode << "\" was accepted";
  } catch (const tqweir::StopRun& stop) {
    EXPECT_EQ(stop.message(), tqweir::Message::parameter_invalid) << mode;
  }
}

TEST(ParameterMode, IntegersInIntRangeAreTakenAsWritten) {
  EXPECT_EQ(read_mode(with_mode("1")), 1);
  EXPECT_EQ(read_mode(with_mode("+2")), 2);
  EXPECT_EQ(read_mode(with_mode(" \r\n03")), 3);
  EXPECT_EQ(read_mode(with_mode("-7")), -7);
  EXPECT_EQ(read_mode(with_mode("2147483647")), 2147483647);
  EXPECT_EQ(read_mode(with_mode("-2147483648")), -2147483647 - 1);
}

TEST(ParameterMode, NumbersBeyondIntAreRefusedNotWrapped) {
  for (const char* mode : {"4294967297", "4294967298", "2147483648", "-2147483649",
                           "99999999999999999999", "-99999999999999999999"}) {
    expect_refused(mode);
  }
}

TEST(ParameterMode, OnlyDecimalIntegersConvert) {
  for (const char* mode : {"1.0", "1e0", "0x1", "mode", ""}) {
    expect_refused(mode);
  }
}

}  // namespace
