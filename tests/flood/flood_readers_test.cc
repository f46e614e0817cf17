// The hydrograph and the LEVEL:VALUE tables: refused with their place,
// linear between rows, refused outside them. Every file of a design folder
// reads a number by one rule, in the same words.
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "cases/case_table.h"
#include "design/criteria.h"
#include "flood/hydrograph.h"
#include "flood/level_table.h"
#include "flood/route_stop.h"
#include "operation/operation_file.h"
#include "text/input_error.h"

namespace tqweir {
namespace flood {
namespace {

std::string refusal_of_hydrograph(const std::string& text) {
  try {
    read_hydrograph(text, "inflow.csv");
  } catch (const text::InputError& e) {
    return e.what();
  }
  return "(read)";
}

std::string refusal_of_pairs(const std::string& cell, Values values) {
  try {
    read_level_pairs(cell, "operation.csv line 4, column 2", "storage_curve", values);
  } catch (const text::InputError& e) {
    return e.what();
  }
  return "(read)";
}

TEST(FloodReaders, RefuseNamingTheFileLineAndColumn) {
  const std::string head = "hours,m3/s\r\n";
  const struct {
    std::string text, refusal;
  } hydrographs[] = {
      {head + "0,1\r\n1,x\r\n", "inflow.csv line 3, column 2: 'x' is not a decimal number"},
      {head + "0,1\r\n1,-2\r\n", "inflow.csv line 3, column 2: '-2' is negative"},
      {head + "0,1\r\n1h,2\r\n", "inflow.csv line 3, column 1: '1h' is not a decimal number"},
      {head + "0,1\r\n0,2\r\n", "inflow.csv line 3, column 1: 0 h does not come after"},
      {head + "0,1\r\n1,2,3\r\n", "inflow.csv line 3, column 3: '3' after the two cells"},
      {head + "0,1\r\n1\r\n", "inflow.csv line 3, column 2: missing"},
      {"0,1\r\n1,2\r\n3,4\r\n",
       "inflow.csv line 1, column 1: '0' is a number; the first row is the header"},
      {head + "0,1\r\n", "1 rows of hours,m3/s; a hydrograph needs at least two"},
  };
  for (const auto& c : hydrographs) {
    EXPECT_NE(refusal_of_hydrograph(c.text).find(c.refusal), std::string::npos)
        << refusal_of_hydrograph(c.text);
  }
  const std::string place = "operation.csv line 4, column 2, storage_curve pair ";
  const struct {
    std::string cell;
    Values values;
    std::string refusal;
  } tables[] = {
      {"0:0 1:5 1:7", Values::any, place + "3: the level 1 does not rise"},
      {"0:0 1:-5", Values::any, place + "2 (value): '-5' is negative"},
      {"0:0 15", Values::any, place + "2: '15' is not LEVEL:VALUE"},
      {"0:4 1:4", Values::rising, place + "2: the value 4 does not rise"},
      {"0:0", Values::any, "needs at least two pairs LEVEL:VALUE, got 1"},
  };
  for (const auto& c : tables) {
    EXPECT_NE(refusal_of_pairs(c.cell, c.values).find(c.refusal), std::string::npos)
        << refusal_of_pairs(c.cell, c.values);
  }
}

// Hexadecimal, infinities and NaN (which strtod reads), and numbers beyond
// what a double holds (which strtod turns into infinity, 0 or a subnormal),
// through each reader of a design folder's numbers: the same words after
// the place.
TEST(FloodReaders, EveryDesignFileRefusesTheSameNumbersInTheSameWords) {
  const std::string not_decimal = "is not a decimal number (such as 2.5, -0.75 or 1.2e-3)";
  const std::string out_of_range =
      "is out of the range of numbers (0, or a size from 2.3e-308 to 1.7e308)";
  const struct {
    std::string bad, why;
  } numbers[] = {{"0x4", not_decimal},     {"0x1p-12", not_decimal}, {"inf", not_decimal},
                 {"-nan", not_decimal},    {"1e-400", out_of_range}, {"-1e-310", out_of_range},
                 {"1e400", out_of_range}};
  const cases::CaseTableRules loadcases{true, true, 200, ""};
  const struct {
    std::function<void(const std::string&)> read;
    std::string place;
  } readers[] = {
      {[](const std::string& b) { operation::read_operation("valve_area," + b + "\n", "op.csv"); },
       "op.csv line 1, column 2 (valve_area)"},
      {[](const std::string& b) { operation::read_operation("blower_curve,0:" + b + " 9:0\n", "op.csv"); },
       "op.csv line 1, column 2 (blower_curve), at character 3"},
      {[](const std::string& b) { design::read_criteria("stopper_capacity," + b + "\n", "cr.csv"); },
       "cr.csv line 1, column 2 (stopper_capacity)"},
      {[](const std::string& b) {
         design::read_criteria("limit_variable,hd_nd\nlimit_range," + b + ":1\n", "cr.csv");
       },
       "cr.csv line 2, column 2 (limit_range)"},
      {[&](const std::string& b) { cases::read_case_table("case,hd_nd\na," + b + "\n", "lc.csv", loadcases); },
       "lc.csv line 2, column 2 (hd_nd)"},
      {[](const std::string& b) { read_hydrograph("h,q\n0,1\n" + b + ",1\n", "in.csv"); },
       "in.csv line 3, column 1"},
      {[](const std::string& b) { read_hydrograph("h,q\n0,1\n1," + b + "\n", "in.csv"); },
       "in.csv line 3, column 2"},
      {[](const std::string& b) { read_level_pairs("0:0 1:" + b, "op.csv", "storage_curve", Values::any); },
       "op.csv, storage_curve pair 2 (value)"},
  };
  for (const auto& n : numbers) {
    for (const auto& r : readers) {
      std::string refusal = "(read)";
      try {
        r.read(n.bad);
      } catch (const text::InputError& e) {
        refusal = e.what();
      }
      // limit_range quotes the whole cell after the number.
      const std::string in_cell = r.place.find("limit_range") != std::string::npos
                                      ? " in '" + n.bad + ":1'" : "";
      EXPECT_EQ(refusal, r.place + ": '" + n.bad + "'" + in_cell + " " + n.why);
    }
  }
}

TEST(FloodReaders, LinearBetweenRowsAndRefusedOutsideThem) {
  // A header in CP932 (時刻 = "time"), as a Japanese spreadsheet saves it.
  const Hydrograph h = read_hydrograph("\x8e\x9e\x8d\x8f,m3/s\r\n0,2\r\n2,10\r\n6,2\r\n", "in.csv");
  EXPECT_DOUBLE_EQ(inflow_at(h, 3600.0), 6.0);
  EXPECT_DOUBLE_EQ(inflow_at(h, 4 * 3600.0), 6.0);
  EXPECT_DOUBLE_EQ(inflow_volume(h, 0.0, 6 * 3600.0), (2 * 6.0 + 4 * 6.0) * 3600.0);
  EXPECT_DOUBLE_EQ(inflow_volume(h, 3600.0, 4 * 3600.0), (8.0 + 2 * 8.0) * 3600.0);
  EXPECT_THROW(inflow_at(h, 6 * 3600.0 + 1.0), RouteStop);

  const LevelTable t =
      read_level_pairs("1:0 2:100  4:500", "op.csv", "storage_curve", Values::rising);
  EXPECT_DOUBLE_EQ(table_value(t, 1.5), 50.0);
  EXPECT_DOUBLE_EQ(table_value(t, 3.0), 300.0);
  EXPECT_DOUBLE_EQ(table_level(t, 300.0), 3.0);
  EXPECT_DOUBLE_EQ(table_value(t, 4.0), 500.0);
  EXPECT_THROW(table_value(t, 0.999), RouteStop);
  EXPECT_THROW(table_value(t, 4.001), RouteStop);
  EXPECT_THROW(table_level(t, 501.0), RouteStop);
}

}  // namespace
}  // namespace flood
}  // namespace tqweir
