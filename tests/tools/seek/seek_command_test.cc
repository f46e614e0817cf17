// The tqweir-seek binary on the examples: what it finds is checked with
// solves of the case in memory, and what it writes with the tqweir binary.
#include <sys/stat.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

#include <gtest/gtest.h>

#include "input/case_reader.h"
#include "support/test_cases.h"
#include "support/case_runner.h"
#include "search/case_probe.h"
#include "text/csv_cells.h"
#include "text/run_results.h"

namespace tqweir_test {
namespace {

using tqweir::search::CaseResult;
using tqweir::search::solve_unrounded;

const std::string kStandard = TQWEIR_SOURCE_DIR "/examples/standard";

ProgramRun seek(const ScratchDir& dir, const std::string& args) {
  return run_program_output(TQWEIR_SEEK_BINARY, dir, args);
}

// The number after `key` in the printout, as printed.
std::string printed_after(const std::string& out, const std::string& key) {
  const std::size_t at = out.find(key);
  if (at == std::string::npos) return "";
  std::istringstream rest(out.substr(at + key.size()));
  std::string word;
  rest >> word;
  return word;
}

CaseResult standard_at(double level) {
  tqweir::CaseInput input = tqweir_test::case_in_folder(kStandard);
  input.parameter.upstream_level = level;
  return solve_unrounded(input);
}

double alpha_of(const CaseResult& r) {
  return r.values[static_cast<std::size_t>(tqweir::summary_index(tqweir::SummaryId::alpha))];
}

double air_of(const CaseResult& r) {
  return r.values[static_cast<std::size_t>(tqweir::summary_index(tqweir::SummaryId::air_volume))];
}

TEST(SeekCommand, AMonotoneResultComesBackBracketedAndWrittenAsTqweirWritesIt) {
  ScratchDir dir;
  const ProgramRun run =
      seek(dir, kStandard + " --vary upstream_level=0:4 --until alpha=20 -o " + dir.file("found"));
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const double x = std::strtod(printed_after(run.out, "value found: upstream_level =").c_str(), nullptr);
  // The value and its neighbour across the target bracket it, unrounded.
  const double lo = alpha_of(standard_at(std::nextafter(x, 0.0))) - 20.0;
  const double at = alpha_of(standard_at(x)) - 20.0;
  const double hi = alpha_of(standard_at(std::nextafter(x, 4.0))) - 20.0;
  EXPECT_TRUE((lo < 0) != (at < 0) || (at < 0) != (hi < 0)) << lo << " " << at << " " << hi;
  EXPECT_LE(std::atoi(printed_after(run.out, "solves:").c_str()), 60);

  // The inputs read back to the value found; tqweir on them writes the six files.
  ScratchDir check;
  for (const char* name : {"syogen.csv", "parameter.csv", "hitai.csv"}) {
    check.write(name, read_file(dir.file("found/") + name));
  }
  EXPECT_EQ(tqweir_test::case_in_folder(check.path()).parameter.upstream_level, x);
  ASSERT_EQ(run_tqweir(check), 0);
  const auto expected = check.files();
  for (const auto& file : expected) {
    EXPECT_EQ(read_file(dir.file("found/") + file.first), file.second) << file.first;
  }
  EXPECT_EQ(expected.size(), 9u);
}

TEST(SeekCommand, NoCrossingSaysWhichValueCameClosestAndWhere) {
  ScratchDir dir;
  const ProgramRun run =
      seek(dir, kStandard + " --vary upstream_level=0:4 --until alpha=2000 -o " + dir.file("out"));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("no crossing of alpha = 2000"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("at upstream_level = 4\n"), std::string::npos) << run.out;
  EXPECT_FALSE(dir.exists("out"));
}

TEST(SeekCommand, ARangeThatStopsPartWayGivesTheBoundaryAndTheMessageBeyond) {
  ScratchDir dir;
  const ProgramRun run = seek(dir, kStandard + " --vary hd_nd=0:3 --until stop");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const double x = std::strtod(printed_after(run.out, "value found: hd_nd =").c_str(), nullptr);
  tqweir::CaseInput input = tqweir_test::case_in_folder(kStandard);
  input.parameter.hd_nd = x;
  EXPECT_TRUE(solve_unrounded(input).finished);
  input.parameter.hd_nd = std::nextafter(x, 3.0);
  const CaseResult beyond = solve_unrounded(input);
  ASSERT_FALSE(beyond.finished);
  EXPECT_NE(run.out.find(tqweir::message_utf8(beyond.message)), std::string::npos) << run.out;
}

TEST(SeekCommand, ASealedCurveHoldsTheAirAndPassesFromStopperToSlack) {
  ScratchDir dir;
  const ProgramRun run =
      seek(dir, kStandard + " --sealed upstream_level=2.0:3.0:0.5 -o " + dir.file("curve.csv"));
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<tqweir::text::CsvRow> rows =
      tqweir::text::split_csv(dir.read("curve.csv"), "curve.csv");
  ASSERT_EQ(rows.size(), 4u);
  ASSERT_EQ(rows[0].cells[2], "regime");
  ASSERT_EQ(rows[0].cells[25], "air_volume_m3_per_m");
  const CaseResult base = standard_at(2.5);
  const std::string air = tqweir::text::read_printed_summary(base.summary).text[18];
  const char* regimes[] = {"stopper", "stopper", "slack"};
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(rows[i].cells[2], regimes[i - 1]);
    EXPECT_EQ(rows[i].cells[25], air) << "level " << rows[i].cells[1];
    // The row is the solve at its own inputs.
    tqweir::CaseInput input = tqweir_test::case_in_folder(kStandard);
    input.parameter.upstream_level = std::strtod(rows[i].cells[1].c_str(), nullptr);
    input.parameter.theta1_deg = std::strtod(rows[i].cells[3].c_str(), nullptr);
    input.parameter.stopper_tension = std::strtod(rows[i].cells[4].c_str(), nullptr);
    const auto printed = tqweir::text::read_printed_summary(solve_unrounded(input).summary).text;
    EXPECT_EQ(std::vector<std::string>(rows[i].cells.begin() + 7, rows[i].cells.end()),
              std::vector<std::string>(printed.begin(), printed.end()));
  }
  // At the base level the state is the base case itself, not a neighbour
  // of it on the same step of the air volume.
  EXPECT_EQ(rows[2].cells[4], "10");
  EXPECT_EQ(std::vector<std::string>(rows[2].cells.begin() + 7, rows[2].cells.end()),
            [&] {
              const auto t = tqweir::text::read_printed_summary(base.summary).text;
              return std::vector<std::string>(t.begin(), t.end());
            }());
  EXPECT_GT(std::strtod(rows[1].cells[4].c_str(), nullptr), 10.0);  // below the base level: pulls more
  EXPECT_LT(std::strtod(rows[3].cells[3].c_str(), nullptr), 45.0);  // above it: the leaf goes down
}

// The line of `level` in a sealed table, without its case number.
std::string sealed_line(const std::string& table, const std::string& level) {
  std::istringstream lines(table);
  for (std::string line; std::getline(lines, line);) {
    const std::string row = line.substr(line.find(',') + 1);
    if (row.compare(0, level.size() + 1, level + ",") == 0) return row;
  }
  return "";
}

// A row depends on its level alone, not on the neighbour the curve's search
// started from; and a stopper row is the middle of the step of tensions
// that hold the air (about 0.0017 kN wide here), not one of its edges.
TEST(SeekCommand, ASealedRowIsTheSameAloneAsInACurveAndMidStep) {
  ScratchDir dir;
  ASSERT_EQ(seek(dir, kStandard + " --sealed upstream_level=0:4:0.1 -o " + dir.file("c.csv")).status, 0);
  const std::string curve = dir.read("c.csv");
  for (const std::string level : {"2.0", "3.0", "3.5"}) {  // stopper, slack, slack
    const std::string range = level + ":" + level + ":1";
    ASSERT_EQ(seek(dir, kStandard + " --sealed upstream_level=" + range + " -o " + dir.file("a.csv")).status, 0);
    ASSERT_NE(sealed_line(curve, level), "") << level;
    EXPECT_EQ(sealed_line(dir.read("a.csv"), level), sealed_line(curve, level));
  }
  const std::vector<tqweir::text::CsvRow> rows = tqweir::text::split_csv(curve, "c.csv");
  ASSERT_EQ(rows[21].cells[1], "2.0");
  const double tension = std::strtod(rows[21].cells[4].c_str(), nullptr);
  const double air = air_of(standard_at(2.5));
  for (double side : {-5e-4, 5e-4}) {
    tqweir::CaseInput input = tqweir_test::case_in_folder(kStandard);
    input.parameter.upstream_level = 2.0;
    input.parameter.stopper_tension = tension + side;
    EXPECT_EQ(air_of(solve_unrounded(input)), air) << side;
  }
}

TEST(SeekCommand, BadArgumentsAreNamedAndNothingIsWritten) {
  ScratchDir dir;
  dir.copy_from(kStandard);
  const std::string out = " -o " + dir.file("out");
  const struct {
    std::string args, named;
  } cases[] = {
      {"--vary bogus=0:4 --until alpha=20", "unknown input field bogus"},
      {"--vary overflow_mode=1:3 --until alpha=20", "overflow_mode is a whole number"},
      {"--vary upstream_level=0:4 --until bogus=1", "unknown result bogus"},
      {"--vary upstream_level=4:0 --until alpha=20", "LO must be below HI"},
      {"--vary upstream_level=0:nan --until alpha=20", "not a finite number"},
      {"--vary upstream_level=0:4 --until alpha=inf", "not a finite number"},
      {"--vary upstream_level=0:4 --until membrane_strength", "has no criteria.csv"},
      {"--vary upstream_level=0:4 --until alpha=20 --pick 0", "--pick 0"},
      {"--vary upstream_level=0:4", "no --until"},
      {"--sealed theta1_deg=1:2:1", "unknowns"},
      {"--vary upstream_level=1:1 --until alpha=20", "LO must be below HI"},
      {"--vary upstream_level=0:4 --vary hd_nd=0:1 --until alpha=20", "--vary is given twice"},
      {"--vary upstream_level=0:4 --until alpha=20 --until stop", "--until is given twice"},
      {"--vary upstream_level=0:4 --until stop -o a -o b", "-o is given twice"},
      {"--vary upstream_level=0:4 --until stop --tol -.5", "--tol -.5: give a finite number"},
      {"--sealed upstream_level=0:40:0.0001", "400001 values, at most 200"},
      {"--sealed upstream_level=0:4:x", "--sealed upstream_level=0:4:x: "},
      {"--sealed upstream_level=0:4:1 --case x", "without --case"},
      {"--sealed upstream_level=0:4:1 --tol 1", "without --tol"},
  };
  for (const auto& c : cases) {
    const ProgramRun run = seek(dir, ". " + c.args + out);
    EXPECT_EQ(run.status, 2) << c.args;
    EXPECT_NE(run.err.find(c.named), std::string::npos) << c.args << ": " << run.err;
  }
  // A folder that cannot be made is refused before any solve.
  const ProgramRun missing = run_program_output(
      TQWEIR_SEEK_BINARY, dir, ". --vary upstream_level=0:4 --until stop -o /missing/dir/out");
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("there is no folder /missing/dir"), std::string::npos) << missing.err;
  // -o never names the input's own folder or one of its files.
  EXPECT_EQ(seek(dir, ". --vary upstream_level=0:4 --until alpha=20 -o .").status, 2);
  EXPECT_EQ(seek(dir, ". --sealed upstream_level=1:2:1 -o parameter.csv").status, 2);
  // Nor, in OUT_DIR, a link onto one of the case's files.
  ScratchDir out_dir;
  std::filesystem::create_symlink(dir.file("hitai.csv"), out_dir.file("syogen.csv"));
  const ProgramRun linked = seek(dir, ". --vary upstream_level=0:4 --until alpha=20 -o " + out_dir.path());
  EXPECT_EQ(linked.status, 2);
  EXPECT_NE(linked.err.find("cannot write " + out_dir.file("syogen.csv")), std::string::npos)
      << linked.err;
  std::map<std::string, std::string> before;
  for (const char* name : {"syogen.csv", "parameter.csv", "hitai.csv"}) before[name] = read_file(kStandard + "/" + name);
  EXPECT_EQ(dir.files(), before);
}

// The findings of a new user, each a command line: what the search must
// find where the scan alone misses it, and the value it must come to.
TEST(SeekCommand, WhatLiesBetweenScanPointsIsFound) {
  ScratchDir dir;
  const struct {
    std::string args, found;
  } cases[] = {
      // alpha dips below 27.2 near 57 degrees, inside one scan interval;
      // the result reached is the result, not its excess over the target;
      // the solves add up (10 + 54 + 49 = 113).
      {"--vary theta1_deg=10:89 --until alpha=27.2",
       "theta1_deg = 55.14666289506739\n  result reached: alpha = 27.19995379447937 unrounded; alpha "
       "27.200 as printed\n  bracket: [55.14666289506738, 55.14666289506739] (adjacent doubles): "
       "27.200072526931763 .. 27.19995379447937\n  solves: 113 (scan 10, narrowing 54, the other "
       "brackets and turns 49)"},
      // The runs finish only from 1.149 to 7.440, the case's own 3 among them.
      {"--vary perimeter=0:100 --until stop", "perimeter = 1.14927"},
      // The crossing lies between a finishing and a stopping scan point.
      {"--vary hd_nd=0:2 --until bag_tension=61", "hd_nd = 1.85831"},
      // A scan point at 5.55e-17 stops (the stopper at the hinge); the
      // crossings beside it are searched on either side.
      {"--vary anchor_distance=-0.3:0.5 --until stopper_base_angle_deg=0.0113",
       "anchor_distance = -0.000645989287578308"},
      // Ranges as wide as doubles go.
      {"--vary leaf_weight=0:1e300 --until stop", "leaf_weight = 1329515.199"},
      {"--vary upstream_level=-9e307:9e307 --until stop", "upstream_level = 14.4558"},
  };
  for (const auto& c : cases) {
    const ProgramRun run = seek(dir, kStandard + " " + c.args);
    EXPECT_EQ(run.status, 0) << c.args << "\n" << run.out;
    EXPECT_NE(run.out.find("value found: " + c.found), std::string::npos) << c.args << "\n" << run.out;
    EXPECT_NE(run.out.find("(adjacent doubles)"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("nan"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("inf"), std::string::npos) << run.out;
  }
  // Both crossings of the dip, said in the singular where one is meant.
  const ProgramRun dip = seek(dir, kStandard + " --vary theta1_deg=10:89 --until alpha=27.2 --pick 3");
  EXPECT_EQ(dip.status, 1);
  EXPECT_NE(dip.out.find("found 2 crossings; --pick 3 has none"), std::string::npos) << dip.out;
  EXPECT_NE(dip.out.find("crossing 2: theta1_deg in [58.8985"), std::string::npos) << dip.out;
  const ProgramRun one = seek(dir, kStandard + " --vary upstream_level=0:4 --until alpha=20 --pick 2");
  EXPECT_NE(one.out.find("found 1 crossing;"), std::string::npos) << one.out;
  const ProgramRun level = seek(dir, kStandard + " --sealed upstream_level=2.5:2.5:1 -o " + dir.file("s.csv"));
  EXPECT_NE(level.out.find(" 1 value of upstream_level"), std::string::npos) << level.out;
}

// The secant's count, a write that cannot be made, and a zero's sign.
TEST(SeekCommand, FewSolvesNoWriteOverAFolderAndNoSignedZero) {
  ScratchDir dir;
  // A membrane check narrowed by the secant in few solves.
  const ProgramRun membrane = seek(dir, TQWEIR_SOURCE_DIR "/examples/design_standard --vary "
                                        "upstream_level=0:4 --until membrane_strength --case "
                                        "'常時満水位 normal water level'");
  ASSERT_EQ(membrane.status, 0) << membrane.out;
  EXPECT_LE(std::atoi(printed_after(membrane.out, "solves:").c_str()), 52);
  // OUT_DIR that passes the checks but cannot be made (even by root).
  const ProgramRun blocked =
      seek(dir, kStandard + " --vary upstream_level=0:4 --until alpha=20 -o /proc/tqweir-seek-out");
  EXPECT_EQ(blocked.status, 1) << blocked.out;
  EXPECT_NE(blocked.err.find("cannot write the case into /proc/tqweir-seek-out"), std::string::npos)
      << blocked.err;
  // A zero is shown without its sign.
  const ProgramRun zero = seek(dir, kStandard + " --vary upstream_level=-0:4 --until alpha=2000");
  EXPECT_NE(zero.out.find("from 0 to 4"), std::string::npos) << zero.out;
}

}  // namespace
}  // namespace tqweir_test
