// Reading a whole case: the files in a run's order, each check where a run
// makes it.
#include "input/case_reader.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/input_fields.h"
#include "support/expect_stop.h"

namespace {

using tqweir::Message;

const char kSyogen[] = "0,10,0,5000,1,1,2,2.5,5,1,9800,9800\r\n";
const char kParameter[] = "1,2.5,0.3,0.5,15,45,2,3,10\r\n";
const char kHitai[] = "0,0\r\n3,0\r\n4,0.3\r\n";

// A source holding syogen.csv, parameter.csv and, when present, hitai.csv.
tqweir::CaseSource source_with(const std::string& syogen, bool hitai_present,
                               const std::string& parameter = kParameter) {
  return [=](const char* name, std::string& content) {
    const std::string file = name;
    if (file == "syogen.csv") content = syogen;
    else if (file == "parameter.csv") content = parameter;
    else if (hitai_present) content = kHitai;
    else return false;
    return true;
  };
}

TEST(CaseReader, SpanIsCheckedBeforeTheProfileIsLookedFor) {
  // A user who fixes the message in front of them should not be sent from
  // one file to another: span and perimeter come before a missing profile.
  const std::string no_span = "0,0,0,5000,1,1,2,2.5,5,1,9800,9800\r\n";
  EXPECT_EQ(tqweir_test::stop_message([&] { tqweir::read_case(source_with(no_span, false)); }),
            Message::span_invalid);
  EXPECT_EQ(tqweir_test::stop_message([&] { tqweir::read_case(source_with(kSyogen, false)); }),
            Message::hitai_missing);
}

TEST(CaseReader, EveryFieldLandsWhereTheTableSays) {
  // Distinct values at every position: a field stored in the wrong place
  // shows as a wrong value under its own name.
  const std::string syogen = "1,2,3,4,5,6,7,8,9,10,11,12";
  const std::string parameter = "1,102,103,104,105,106,107,108,109";
  const tqweir::CaseInput input = tqweir::read_case(source_with(syogen, true, parameter));
  for (const tqweir::InputField& field : tqweir::input_fields()) {
    const double expected = field.file == tqweir::InputFile::syogen || field.position == 1
                                ? field.position
                                : 100 + field.position;
    EXPECT_EQ(tqweir::field_value(field, input), expected) << field.name;
  }
}

TEST(CaseReader, ValuesStopWhereTheirFilesWould) {
  // Each fault planted together with every later one: the first in the
  // readers' order must be the stop.
  const tqweir::CaseInput good = tqweir::read_case(source_with(kSyogen, true));
  const auto stop = [](const tqweir::CaseInput& input) {
    return tqweir_test::stop_message([&] { tqweir::check_case_values(input); });
  };
  tqweir::CaseInput c = good;
  c.points[1] = c.points[0];
  EXPECT_EQ(stop(c), Message::hitai_zero_segment);
  c.points.resize(1);
  EXPECT_EQ(stop(c), Message::hitai_point_count);
  c.points[0].y = NAN;
  EXPECT_EQ(stop(c), Message::hitai_bad_coordinate);
  c.syogen.span = 0;
  EXPECT_EQ(stop(c), Message::span_invalid);
  c.parameter.perimeter = INFINITY;
  EXPECT_EQ(stop(c), Message::parameter_invalid);
  c.syogen.theta2_deg = NAN;
  EXPECT_EQ(stop(c), Message::syogen_invalid);
  EXPECT_NO_THROW(tqweir::check_case_values(good));
}

}  // namespace
