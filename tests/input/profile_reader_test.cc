// Reading the points of hitai.csv.
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/stop.h"
#include "input/profile_reader.h"
#include "support/expect_stop.h"

namespace {

using tqweir::Message;
using tqweir::ProfilePoint;

std::vector<ProfilePoint> read(const std::string& text) {
  const std::string in = text;
  return tqweir::read_profile_points(in);
}

// The message of the StopRun that reading `text` throws.
Message stop_of(const std::string& text) {
  return tqweir_test::stop_message([&] { read(text); });
}

void expect_points(const std::vector<ProfilePoint>& points,
                   const std::vector<std::pair<double, double>>& expected) {
  ASSERT_EQ(points.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(points[i].x, expected[i].first) << i;
    EXPECT_EQ(points[i].y, expected[i].second) << i;
  }
}

// n points (i, i * i / 100), one a line.
std::string points_text(int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += std::to_string(i) + "," + std::to_string(i * i / 100.0) + "\n";
  return text;
}

TEST(ProfileReader, LineEndsTrailingCommasAndBlankLinesReadAlike) {
  const std::vector<std::pair<double, double>> expected = {{0, 0}, {3, 0}, {4, 0.3}};
  const std::string texts[] = {
      "0,0\n3,0\n4,0.3\n",
      "0,0\n3,0\n4,0.3",                 // no final line end
      "0,0,\n3,0,\n4,0.3,\n",            // a comma after each y
      "0,0\r\n3,0\r\n4,0.3\r\n",
      "0,0,\r\n3,0,\r\n4,0.3,",
      "\n\n0,0\n\n3, 0\n  4,\t0.3  \n\n \t\n",
      "0,0,3,0,4,0.3",                   // all on one line, comma-separated
      "0e0,0\n3.0,0\n4,3e-1\n",
  };
  for (const std::string& text : texts) {
    SCOPED_TRACE(text);
    expect_points(read(text), expected);
  }
}

TEST(ProfileReader, AnythingButPairsOfFiniteNumbersStops) {
  const std::string bad[] = {
      "x,y\n0,0\n3,0\n",       // a header line
      "0,0\n3\n4,0.3\n",       // one number on a line
      "0,0,5\n3,0\n",          // three numbers on a line
      "0,0\n3 ,0\n",           // a blank before the comma
      "0,0\n3;0\n",
      "0,0\ninf,1\n",
      "0,0\n1,nan\n",
      "0,0\n1,1e999\n",
      "0,0\n3,0\n4,0.3\nend\n",  // text after the last point
  };
  for (const std::string& text : bad) {
    EXPECT_EQ(stop_of(text), Message::hitai_bad_coordinate) << text;
  }
}

TEST(ProfileReader, RepeatedPointHasNoDirection) {
  EXPECT_EQ(stop_of("0,0\n3,0\n3,0\n4,0.3\n"), Message::hitai_zero_segment);
  EXPECT_EQ(stop_of("0,0\n0,0\n"), Message::hitai_zero_segment);
  // Returning to an earlier, not the previous, point is a valid segment.
  EXPECT_EQ(read("0,0\n1,1\n0,0\n").size(), 3u);
}

TEST(ProfileReader, TakesTwoToThirtyPoints) {
  EXPECT_EQ(read(points_text(30)).size(), 30u);
  EXPECT_EQ(read(points_text(2)).size(), 2u);
  EXPECT_EQ(stop_of(points_text(31)), Message::hitai_point_count);
  EXPECT_EQ(stop_of(points_text(40)), Message::hitai_point_count);
  EXPECT_EQ(stop_of("0,0\n"), Message::hitai_point_count);
  EXPECT_EQ(stop_of(""), Message::hitai_point_count);
  EXPECT_EQ(stop_of(" \r\n\n"), Message::hitai_point_count);
}

TEST(ProfileReader, NulBytesStopTheReadInsteadOfEndingTheText) {
  // A NUL must not cut the text short (silently dropping the points after
  // it) nor be read past.
  const std::string with_nul[] = {
      std::string("0,0\n\0\n3,0\n", 10),
      std::string("0,0\n3,0\n4,0.3\n\0", 15),
      std::string("0,0\n1\0.5,0\n", 11),
      std::string("\0", 1),
  };
  for (const std::string& text : with_nul) {
    EXPECT_EQ(stop_of(text), Message::hitai_bad_coordinate);
  }
}

}  // namespace
