// Reading CASES.csv and the --range shorthand: every value must reach the
// case as the program's reader reads the same text from its file, and bad
// input must be refused naming the line and the column.
#include <cmath>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "input/parameter_reader.h"
#include "input/syogen_reader.h"
#include "cases/case_table.h"
#include "text/csv_cells.h"
#include "text/input_error.h"
#include "cases/range_spec.h"

namespace {

using tqweir::CaseInput;
using tqweir::cases::CaseTable;
using tqweir::text::InputError;

bool same_bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The InputError's text, or "" when none is thrown.
template <typename F>
std::string error_of(F f) {
  try {
    f();
  } catch (const InputError& e) {
    return e.what();
  }
  return "";
}

TEST(CaseTable, SpreadsheetExportsReadAlike) {
  const std::string plain = "upstream_level,hd_nd\n1.5,0.3\n2,0.25\n";
  const std::string exported =
      "\xEF\xBB\xBF upstream_level , \"hd_nd\"\r\n\r\n\"1.5\",0.3\r\n  2\t,0.25 \r\n \r\n";
  const std::string old_mac = "upstream_level,hd_nd\r1.5,0.3\r2,0.25\r";  // CR-only line ends
  for (const std::string& text : {plain, exported, old_mac}) {
    const CaseTable table = tqweir::cases::read_case_table(text, "CASES.csv");
    ASSERT_EQ(table.fields.size(), 2u);
    EXPECT_STREQ(table.fields[0]->name, "upstream_level");
    EXPECT_STREQ(table.fields[1]->name, "hd_nd");
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0][0].real, 1.5);
    EXPECT_EQ(table.rows[1][0].text, "2");
    EXPECT_EQ(table.rows[1][1].real, 0.25);
  }
}

TEST(CaseTable, BadInputNamesLineAndColumn) {
  struct Bad {
    const char* text;
    const char* expected;  // a part of the message
  };
  const Bad cases[] = {
      {"upstream_level,hd_nd,upstrem_level\n1,2,3\n", "line 1, column 3: unknown field 'upstrem_level'"},
      {"hd\x1B[2Jx\n1\n", "line 1, column 1: unknown field 'hd\\x1B[2Jx'"},  // escaped, not sent
      {"upstream_level,,hd_nd\n1,2,3\n", "line 1, column 2: the field name is empty"},
      {"hd_nd,leaf_weight,hd_nd\n1,2,3\n", "line 1, column 3: field 'hd_nd' is already column 1"},
      {"upstream_level,hd_nd\n1,0.3\n2,abc\n", "line 3, column 2 (hd_nd): 'abc' is not a number"},
      {"upstream_level,hd_nd\n1,0.3\n2,0.3x\n", "line 3, column 2 (hd_nd): '0.3x' is not a number"},
      {"upstream_level,hd_nd\n1,0.3\n\n2\n", "line 4: 1 values, but the header names 2 fields"},
      {"upstream_level,hd_nd\n1,0.3,7\n", "line 2: 3 values, but the header names 2 fields"},
      {"upstream_level,hd_nd\n1,\n", "line 2, column 2 (hd_nd): '' is empty"},
      {"hd_nd,overflow_mode\n0.3,1.5\n", "line 2, column 2 (overflow_mode): '1.5' is not a whole number"},
      {"overflow_mode\n1e0\n", "line 2, column 1 (overflow_mode): '1e0' is not a whole number"},
      {"overflow_mode\n9999999999\n", "out of the range of an integer"},
      {"hd_nd\n\"0.3\n", "line 2: a quote is not closed"},
      {"hd_nd\n\"0.3\" x\n", "line 2: text follows a closing quote"},
      {"upstream_level\n", "no case row after the header"},
      {" \r\n", "no header row"},
  };
  for (const Bad& bad : cases) {
    const std::string message =
        error_of([&] { tqweir::cases::read_case_table(bad.text, "CASES.csv"); });
    EXPECT_NE(message.find(std::string("CASES.csv")), std::string::npos) << bad.text;
    EXPECT_NE(message.find(bad.expected), std::string::npos)
        << "input: " << bad.text << "\nmessage: " << message;
  }
  const std::string utf16("h\0d\0_\0n\0d\0\n\0" "1\0\n\0", 16);
  EXPECT_NE(error_of([&] { tqweir::cases::read_case_table(utf16, "CASES.csv"); })
                .find("CASES.csv: the file is UTF-16 text"),
            std::string::npos);
}

// Every way of writing a number that "%lf" accepts gives the same double
// in the table as in parameter.csv and syogen.csv read by the program.
TEST(CaseTable, ValuesReachTheCaseAsTheReaderReadsThem) {
  const char* texts[] = {"0.1",  "2.675", "1e-3", "-0",    "+.5",  "5.",
                         "0x1.8p1", "0.30000000000000004", "123456789.123456789",
                         "4.9e-324", "1.7976931348623157e308"};
  for (const char* text : texts) {
    const std::string header = "upstream_level,leaf_weight,overflow_mode\n";
    const CaseTable table =
        tqweir::cases::read_case_table(header + text + "," + text + ",+2\n", "CASES.csv");
    const CaseInput input = tqweir::cases::case_input(CaseInput(), table, 0);

    const std::string parameter = std::string("2,") + text + ",0.3,0.5,15,45,2,3,10";
    const std::string syogen = std::string("0,10,0,") + text + ",1,1,2,2.5,5,1,9800,9800";
    const tqweir::ParameterInput p = tqweir::read_parameter(parameter);
    const tqweir::SyogenInput s = tqweir::read_syogen(syogen);
    EXPECT_TRUE(same_bits(input.parameter.upstream_level, p.upstream_level)) << text;
    EXPECT_TRUE(same_bits(input.syogen.leaf_weight, s.leaf_weight)) << text;
    EXPECT_EQ(input.parameter.overflow_mode, p.overflow_mode);
  }
}

TEST(CaseTable, NonFiniteValuesAreKeptForTheCaseToRefuse) {
  const CaseTable table =
      tqweir::cases::read_case_table("hd_nd\ninf\nnan\n1e999\n-infinity\n", "CASES.csv");
  ASSERT_EQ(table.rows.size(), 4u);
  for (const auto& row : table.rows) EXPECT_FALSE(std::isfinite(row[0].real)) << row[0].text;
}

// A report's load cases: a first column of names, finite values only.
TEST(CaseTable, NamedCasesAreCheckedLikeValues) {
  const tqweir::cases::CaseTableRules named{true, true, 0, ""};
  const CaseTable table = tqweir::cases::read_case_table(
      "case,upstream_level\n\"flood, 1/100\",3.2\n\xE5\xB9\xB3\xE5\xB8\xB8,2\n", "lc.csv", named);
  EXPECT_EQ(table.names, (std::vector<std::string>{"flood, 1/100", "\xE5\xB9\xB3\xE5\xB8\xB8"}));
  ASSERT_EQ(table.fields.size(), 1u);
  EXPECT_EQ(table.rows[1][0].real, 2.0);
  // The earthquake is a value of the case, not of its files.
  const CaseTable quake =
      tqweir::cases::read_case_table("case,seismic_coefficient\nquake,0.12\n", "lc.csv", named);
  EXPECT_EQ(tqweir::cases::case_input(CaseInput(), quake, 0).seismic_coefficient, 0.12);

  const struct {
    const char* text;
    const char* expected;
  } bad[] = {
      {"name,hd_nd\na,1\n", "lc.csv line 1, column 1: the first column holds the case names"},
      {"case,hd_nd\na,1\n,2\n", "lc.csv line 3, column 1: the case name is empty"},
      {"case,hd_nd\na,1\n\nb,2\na,3\n", "lc.csv line 5, column 1: case 'a' is already named on line 2"},
      {"case,hd_nd,hd_nd\na,1,2\n", "lc.csv line 1, column 3: field 'hd_nd' is already column 2"},
      {"case,hd_nd\n\xE3\x80\x80,1\n", "lc.csv line 2, column 1: the case name is empty"},
      {"case,hd_nd\na\x7F,1\n", "line 2, column 1: the case name 'a\\x7F' holds a control byte"},
      {"case,hd_nd\na,1\nb,inf\n", "lc.csv line 3, column 2 (hd_nd): 'inf' is not a decimal number"},
      {"case,hd_nd,theta1_deg\na,1\n", "lc.csv line 2: 1 values, but the header names 2 fields"},
      {"case,hd_nd,tail\na,1,2\n", "lc.csv line 1, column 3: unknown field 'tail'"},
      {"case,hd_nd,seismic_coefficient\na,1,0.1\nb,1,-0.1\n",
       "lc.csv line 3, column 3 (seismic_coefficient): '-0.1' is not a seismic coefficient"},
  };
  for (const auto& b : bad) {
    const std::string message =
        error_of([&] { tqweir::cases::read_case_table(b.text, "lc.csv", named); });
    EXPECT_NE(message.find(b.expected), std::string::npos) << b.text << "\n" << message;
  }
}

// Names that look the same on a page are one name: white space (ideographic,
// no-break, ...) and invisible marks do not count at the ends, and a run of
// white space inside counts as one space.
TEST(CaseTable, LookAlikeNamesAreRefusedAsRepeated) {
  const tqweir::cases::CaseTableRules named{true, true, 0, ""};
  const char* alike[][2] = {
      {"a", "a\xE3\x80\x80"},                        // U+3000
      {"a", "\"\xC2\xA0" "a\""},                        // U+00A0
      {"a", "a\xEF\xBB\xBF"},                        // U+FEFF
      {"flood 1", "flood\xE3\x80\x80 \xE2\x80\x83 1"},  // U+3000, U+2003 inside
  };
  for (const auto& pair : alike) {
    const std::string text = std::string("case,hd_nd\n") + pair[0] + ",1\n" + pair[1] + ",2\n";
    const std::string message =
        error_of([&] { tqweir::cases::read_case_table(text, "lc.csv", named); });
    EXPECT_NE(message.find("lc.csv line 3, column 1: case '"), std::string::npos) << message;
    EXPECT_NE(message.find("is already named on line 2 as '"), std::string::npos) << message;
  }
  EXPECT_NO_THROW(tqweir::cases::read_case_table("case,hd_nd\nflood 1,1\nflood 12,2\n", "t", named));
}

// The count is checked before any row is read or compared: the limit's
// message comes even when the rows beyond it are wrong.
TEST(CaseTable, TooManyRowsAreRefusedFirstNamingTheFile) {
  const tqweir::cases::CaseTableRules limited{true, true, 200, "at most 200"};
  std::string text = "case,hd_nd\n";
  for (int i = 0; i < 50000; ++i) text += "same,x\n";
  const std::string message =
      error_of([&] { tqweir::cases::read_case_table(text, "dir/lc.csv", limited); });
  EXPECT_EQ(message, "dir/lc.csv: 50000 cases; at most 200");
}

TEST(RangeSpec, ValuesAreExactDecimals) {
  const tqweir::cases::RangeSpec r = tqweir::cases::parse_range("upstream_level=0:3:0.1");
  ASSERT_EQ(r.texts.size(), 31u);
  EXPECT_EQ(r.texts[0], "0.0");
  EXPECT_EQ(r.texts[3], "0.3");  // 0.1 + 0.1 + 0.1 would be 0.30000000000000004
  EXPECT_EQ(r.texts[30], "3.0");

  EXPECT_EQ(tqweir::cases::parse_range("hd_nd=-0.5:0.25:0.25").texts,
            (std::vector<std::string>{"-0.50", "-0.25", "0.00", "0.25"}));
  // TO is not on the grid: the last value is the one below it.
  EXPECT_EQ(tqweir::cases::parse_range("theta1_deg=20:21:0.3").texts,
            (std::vector<std::string>{"20.0", "20.3", "20.6", "20.9"}));
  EXPECT_EQ(tqweir::cases::parse_range("overflow_mode=1:3:1").texts,
            (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(tqweir::cases::parse_range("leaf_weight=-7:-7:1").texts,
            (std::vector<std::string>{"-7"}));
}

TEST(RangeSpec, BadRangesAreRefused) {
  const char* bad[][2] = {
      {"upstream_level", "write it as NAME=FROM:TO:STEP"},
      {"upstream_level=0:3", "write it as NAME=FROM:TO:STEP"},
      {"upstrem_level=0:3:1", "unknown field 'upstrem_level'"},
      {"upstream_level=0:3:0", "STEP must be greater than 0"},
      {"upstream_level=3:0:1", "TO must not be less than FROM"},
      {"upstream_level=0:3:-1", "STEP must be greater than 0"},
      {"upstream_level=0:1e1:1", "plain decimal numbers"},
      {"upstream_level=0:x:1", "plain decimal numbers"},
      {"overflow_mode=1:3:0.5", "overflow_mode takes whole numbers"},
      {"upstream_level=0:1000:0.0001", "more than 1000000 values"},
      {"upstream_level=0:1:0.0000000000000001", "too many digits"},
  };
  for (const auto& b : bad) {
    const std::string message = error_of([&] { tqweir::cases::parse_range(b[0]); });
    EXPECT_NE(message.find(b[1]), std::string::npos) << b[0] << ": " << message;
  }
}

TEST(RangeSpec, SeveralRangesSpanEveryCombinationFirstSlowest) {
  const CaseTable table = tqweir::cases::expand_ranges(
      {tqweir::cases::parse_range("overflow_mode=1:2:1"),
       tqweir::cases::parse_range("upstream_level=0:1:0.5")});
  ASSERT_EQ(table.rows.size(), 6u);
  std::vector<std::string> rows;
  for (const auto& row : table.rows) rows.push_back(row[0].text + "/" + row[1].text);
  EXPECT_EQ(rows, (std::vector<std::string>{"1/0.0", "1/0.5", "1/1.0", "2/0.0", "2/0.5", "2/1.0"}));
  EXPECT_EQ(table.rows[4][0].real, 2.0);
  EXPECT_EQ(table.rows[4][1].real, 0.5);

  const std::string twice = error_of([] {
    tqweir::cases::expand_ranges({tqweir::cases::parse_range("hd_nd=0:1:1"),
                                  tqweir::cases::parse_range("hd_nd=0:2:1")});
  });
  EXPECT_NE(twice.find("'hd_nd' is given twice"), std::string::npos);
  const std::string too_many = error_of([] {
    tqweir::cases::expand_ranges({tqweir::cases::parse_range("hd_nd=0:999:1"),
                                  tqweir::cases::parse_range("span=0:9999:1")});
  });
  EXPECT_NE(too_many.find("more than 1000000 cases"), std::string::npos);
}

TEST(CsvLine, CellsWithSeparatorsAreQuoted) {
  EXPECT_EQ(tqweir::text::csv_line({"a", "b,c", "say \"x\"", ""}),
            "a,\"b,c\",\"say \"\"x\"\"\",\r\n");
  const std::vector<tqweir::text::CsvRow> back =
      tqweir::text::split_csv(tqweir::text::csv_line({"a", "b,c", "say \"x\"", ""}), "t");
  EXPECT_EQ(back[0].cells, (std::vector<std::string>{"a", "b,c", "say \"x\"", ""}));
}

}  // namespace
