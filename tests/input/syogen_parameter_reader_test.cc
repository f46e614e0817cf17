// The formatted reads of syogen.csv (twelve reals) and parameter.csv (an
// integer and eight reals).
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "core/stop.h"
#include "input/parameter_reader.h"
#include "input/syogen_reader.h"
#include "support/expect_stop.h"

namespace {

using tqweir::Message;
using tqweir_test::stop_message;

const std::string kSyogen = "0,10,0,5000,1,1,2,2.5,5,1,9800,9800";
const std::string kParameter = "1,2.5,0.3,0.5,15,45,2,3,10";

tqweir::SyogenInput syogen(const std::string& text) {
  const std::string in = text;
  return tqweir::read_syogen(in);
}

tqweir::ParameterInput parameter(const std::string& text) {
  const std::string in = text;
  return tqweir::read_parameter(in);
}

void expect_standard_syogen(const tqweir::SyogenInput& s) {
  EXPECT_EQ(s.reserved_1, 0);
  EXPECT_EQ(s.span, 10);
  EXPECT_EQ(s.reserved_3, 0);
  EXPECT_EQ(s.leaf_weight, 5000);
  EXPECT_EQ(s.leaf_weight_arm, 1);
  EXPECT_EQ(s.stopper_multiplier, 1);
  EXPECT_EQ(s.anchor_distance, 2);
  EXPECT_EQ(s.base_distance, 2.5);
  EXPECT_EQ(s.theta2_deg, 5);
  EXPECT_EQ(s.discharge_coefficient, 1);
  EXPECT_EQ(s.water_unit_weight, 9800);
  EXPECT_EQ(s.layer_unit_weight, 9800);
}

void expect_standard_parameter(const tqweir::ParameterInput& p) {
  EXPECT_EQ(p.overflow_mode, 1);
  EXPECT_EQ(p.upstream_level, 2.5);
  EXPECT_EQ(p.hd_nd, 0.3);
  EXPECT_EQ(p.layer_level, 0.5);
  EXPECT_EQ(p.air_temperature, 15);
  EXPECT_EQ(p.theta1_deg, 45);
  EXPECT_EQ(p.tip_moment, 2);
  EXPECT_EQ(p.perimeter, 3);
  EXPECT_EQ(p.stopper_tension, 10);
}

// `text` with the line end `eol` put after its n-th comma (counting from 1).
std::string break_after_comma(const std::string& text, int n, const std::string& eol) {
  std::string out;
  int commas = 0;
  for (char c : text) {
    out += c;
    if (c == ',' && ++commas == n) out += eol;
  }
  return out;
}

TEST(SyogenReader, FieldsOnOneLineOrBrokenAfterAnyCommaReadAlike) {
  expect_standard_syogen(syogen(kSyogen));
  expect_standard_syogen(syogen(kSyogen + "\n"));
  expect_standard_syogen(syogen(kSyogen + "\r\n"));
  for (int n = 1; n <= 11; ++n) {
    SCOPED_TRACE(n);
    expect_standard_syogen(syogen(break_after_comma(kSyogen, n, "\n")));
    expect_standard_syogen(syogen(break_after_comma(kSyogen, n, "\r\n  ")));
  }
}

TEST(SyogenReader, TrailingFieldsAndLinesAreNeverRead) {
  expect_standard_syogen(syogen(kSyogen + ",77,88\nnot,numbers\n"));
  expect_standard_syogen(syogen(kSyogen + "  # comment\n"));
}

TEST(SyogenReader, ExponentSyntaxAndSignsAreNumbers) {
  const auto s = syogen("0,1e1,-0,5.0E3,1,1,2,25e-1,5,1,9.8e+3,9800");
  EXPECT_EQ(s.span, 10);
  EXPECT_EQ(s.leaf_weight, 5000);
  EXPECT_EQ(s.base_distance, 2.5);
  EXPECT_EQ(s.water_unit_weight, 9800);
}

TEST(SyogenReader, ShortOrMalformedFilesStop) {
  const std::string bad[] = {
      "",
      "0,10,0,5000,1,1,2,2.5,5,1,9800",         // eleven fields
      "0,10,0,5000,1,1,2,2.5,5,1,9800,",        // eleven and a comma
      "0 ,10,0,5000,1,1,2,2.5,5,1,9800,9800",   // a blank before a comma ends the read
      "0,10,0,5000,1,1,2,2.5 ,5,1,9800,9800",
      "0,10\n,0,5000,1,1,2,2.5,5,1,9800,9800",  // a line end before a comma too
      "span,10,0,5000,1,1,2,2.5,5,1,9800,9800",
      "0,10,0,5000,1,1,2,2.5,5,1,9800,abc",
      "0,10,0,inf,1,1,2,2.5,5,1,9800,9800",
      "0,10,0,5000,1,1,2,2.5,5,1,9800,nan",
      "0,10,0,5000,1,1,2,2.5,5,1,1e999,9800",  // overflows to infinity
      "0;10;0;5000;1;1;2;2.5;5;1;9800;9800",
  };
  for (const std::string& text : bad) {
    EXPECT_EQ(stop_message([&] { syogen(text); }), Message::syogen_invalid) << text;
  }
}

TEST(ParameterReader, FieldsOnOneLineOrBrokenAfterAnyCommaReadAlike) {
  expect_standard_parameter(parameter(kParameter));
  expect_standard_parameter(parameter(kParameter + "\r\n"));
  for (int n = 1; n <= 8; ++n) {
    SCOPED_TRACE(n);
    expect_standard_parameter(parameter(break_after_comma(kParameter, n, "\n")));
    expect_standard_parameter(parameter(break_after_comma(kParameter, n, "\r\n\t")));
  }
  expect_standard_parameter(parameter(kParameter + ",99\nanything"));
  EXPECT_EQ(parameter("1,25e-1,3E-1,0.5,15,45,2,3,10").upstream_level, 2.5);
}

TEST(ParameterReader, ShortOrMalformedFilesStop) {
  const std::string bad[] = {
      "",
      "1,2.5,0.3,0.5,15,45,2,3",            // eight fields
      "1.0,2.5,0.3,0.5,15,45,2,3,10",       // the integer read stops at the point
      "1 ,2.5,0.3,0.5,15,45,2,3,10",
      "mode,model,hd\n1,2.5,0.3,0.5,15,45,2,3,10",  // a header line
      "1,2.5,0.3,0.5,15,45,2,nan,10",
      "1,2.5,0.3,0.5,15,-inf,2,3,10",
  };
  for (const std::string& text : bad) {
    EXPECT_EQ(stop_message([&] { parameter(text); }), Message::parameter_invalid) << text;
  }
}

}  // namespace
