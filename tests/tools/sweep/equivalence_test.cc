// Every case of a sweep gives what the tqweir program gives when run on the
// same three files in a folder: the same TQSpec.csv fields and the same
// error.csv line. A few hundred generated cases cover water below and over
// the crest with the three surface models, a second layer, leaf angles,
// downstream depths, stoppers, and the stops.
#include <cstdint>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "core/messages.h"
#include "output/summary.h"
#include "support/case_runner.h"
#include "sweep_run.h"

namespace {

using tqweir_test::ScratchDir;

constexpr int kCases = 300;

// The columns of the generated table: the file each field is in and its
// place there.
struct Column {
  const char* name;
  bool syogen;
  int index;
};
const Column kColumns[] = {
    {"overflow_mode", false, 0},   {"upstream_level", false, 1}, {"hd_nd", false, 2},
    {"layer_level", false, 3},     {"air_temperature", false, 4}, {"theta1_deg", false, 5},
    {"tip_moment", false, 6},      {"perimeter", false, 7},      {"stopper_tension", false, 8},
    {"leaf_weight", true, 3},      {"span", true, 1},            {"anchor_distance", true, 6},
};
constexpr int kColumnCount = sizeof kColumns / sizeof kColumns[0];

// A small fixed generator (splitmix64): the same cases on every platform.
class Generator {
 public:
  double uniform(double lo, double hi) {
    state_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return lo + (hi - lo) * static_cast<double>(z >> 11) / 9007199254740992.0;
  }
  std::string text(double lo, double hi, int decimals = 3) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, uniform(lo, hi));
    return buffer;
  }

 private:
  std::uint64_t state_ = 20240607;
};

using Row = std::vector<std::string>;  // a text per column

Row regular_case(Generator& g, int i) {
  Row row(kColumnCount);
  row[0] = std::to_string(i % 3 + 1);
  row[1] = g.text(0.0, 3.8);                              // crest at 3.041
  row[2] = g.text(0.0, 1.5);
  row[3] = i % 4 == 0 ? g.text(0.2, 1.5) : "0";
  row[4] = g.text(-10.0, 40.0, 1);
  row[5] = g.text(20.0, 70.0, 2);
  row[6] = g.text(0.0, 5.0);
  row[7] = g.text(2.5, 3.5);
  row[8] = i % 5 == 0 ? "0" : g.text(0.0, 30.0, 2);
  row[9] = g.text(2000.0, 8000.0, 1);
  row[10] = "10";
  row[11] = g.text(1.0, 3.0);
  return row;
}

// Every eighth case is changed to end in a stop, or to write its numbers
// in an unusual but valid way.
void make_special(Row& row, int k) {
  switch (k % 12) {
    case 0: row[1] = "nan"; break;                      // parameter.csv refuses
    case 1: row[9] = "inf"; break;                      // syogen.csv refuses
    case 2: row[10] = "0"; row[7] = "-1"; break;        // span before perimeter
    case 3: row[7] = "0"; break;
    case 4: row[0] = "4"; row[1] = "3.5"; break;        // no surface model over the crest
    case 5: row[0] = "0"; row[1] = "1.0"; break;        // none needed below it
    case 6: row[2] = "3.5"; break;                      // downstream water too deep
    case 7: row[7] = "0.5"; break;                      // no balance below alpha = 500
    case 8: row[1] = "2.5e0"; row[5] = "+0x1.68p5"; row[2] = ".3"; break;
    case 9: row[5] = "0.5"; row[2] = "-0.3"; break;     // clamped and floored
    case 10: row[11] = "0"; break;                      // stopper at the hinge
    default: row[5] = "-5"; row[2] = "1"; break;        // leaf below the floor line
  }
}

std::vector<Row> generate_cases() {
  Generator g;
  std::vector<Row> rows;
  for (int i = 0; i < kCases; ++i) {
    Row row = regular_case(g, i);
    if (i % 8 == 7) make_special(row, i / 8);
    rows.push_back(row);
  }
  return rows;
}

// Every part between separators, empty ones included.
std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
  if (text.empty() || text.back() == separator) parts.emplace_back();  // getline drops it
  return parts;
}

std::string join(const std::vector<std::string>& parts) {
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i) text += (i > 0 ? "," : "") + parts[i];
  return text;
}

// The base case's file with the row's texts written into their fields.
std::string case_file(const std::string& base_line, const Row& row, bool syogen) {
  std::vector<std::string> fields = split(base_line, ',');
  for (int c = 0; c < kColumnCount; ++c) {
    if (kColumns[c].syogen == syogen) fields[static_cast<std::size_t>(kColumns[c].index)] = row[c];
  }
  return join(fields) + "\n";
}

std::string first_line(const std::string& text) { return text.substr(0, text.find_first_of("\r\n")); }

std::string cases_csv(const std::vector<Row>& rows) {
  std::vector<std::string> header;
  for (const Column& column : kColumns) header.push_back(column.name);
  std::string text = join(header) + "\n";
  for (const Row& row : rows) text += join(row) + "\n";
  return text;
}

// The status key of an error.csv line, found among the program's messages.
std::string key_of_log_line(const std::string& line) {
  for (int m = 0; m < tqweir::kMessageCount; ++m) {
    const auto message = static_cast<tqweir::Message>(m);
    if (tqweir::message_cp932(message) == line) return tqweir::message_key(message);
  }
  return "?";
}

// What the tqweir program leaves after a run on one case's files.
struct SingleRun {
  int status = -1;
  std::string log;      // error.csv
  std::string summary;  // TQSpec.csv, empty when not written
  bool has_summary = false;
};

// Runs every case with the tqweir program, each in its own scratch folder,
// two at a time (the runs are independent processes).
std::vector<SingleRun> run_each_case(const std::vector<Row>& rows) {
  const std::string base = tqweir_test::standard_case_dir();
  const std::string syogen = first_line(tqweir_test::read_file(base + "/syogen.csv"));
  const std::string parameter = first_line(tqweir_test::read_file(base + "/parameter.csv"));
  const std::string hitai = tqweir_test::read_file(base + "/hitai.csv");
  std::vector<SingleRun> runs(rows.size());
  const auto run_every_other = [&](std::size_t first) {
    for (std::size_t i = first; i < rows.size(); i += 2) {
      ScratchDir single;
      single.write("syogen.csv", case_file(syogen, rows[i], true));
      single.write("parameter.csv", case_file(parameter, rows[i], false));
      single.write("hitai.csv", hitai);
      runs[i].status = tqweir_test::run_tqweir(single);
      runs[i].log = single.read("error.csv");
      runs[i].has_summary = single.exists("TQSpec.csv");
      if (runs[i].has_summary) runs[i].summary = single.read("TQSpec.csv");
    }
  };
  std::thread other(run_every_other, 1);
  run_every_other(0);
  other.join();
  return runs;
}

TEST(SweepEquivalence, EveryCaseMatchesTheProgramRunInAFolder) {
  const std::vector<Row> rows = generate_cases();
  ScratchDir work;
  work.write("cases.csv", cases_csv(rows));
  const tqweir_test::SweepRun run = tqweir_test::run_sweep(
      work, "'" + tqweir_test::standard_case_dir() + "' cases.csv -o result.csv -j 3");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  // Split by hand, keeping every byte: no cell of the table is quoted.
  const std::string table = work.read("result.csv");
  std::vector<std::string> lines = split(table, '\n');
  ASSERT_EQ(lines.back(), "");  // the table ends with a line end
  lines.pop_back();
  ASSERT_EQ(lines.size(), rows.size() + 1);
  const std::vector<SingleRun> singles = run_each_case(rows);

  std::map<std::string, int> statuses;
  const std::size_t first_summary = 1 + kColumnCount + 2;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string& line = lines[i + 1];
    ASSERT_EQ(line.back(), '\r');
    const std::vector<std::string> cells = split(line.substr(0, line.size() - 1), ',');
    ASSERT_EQ(cells.size(), first_summary + tqweir::kSummaryFieldCount) << "case " << i + 1;
    EXPECT_EQ(cells[0], std::to_string(i + 1));
    for (int c = 0; c < kColumnCount; ++c) EXPECT_EQ(cells[1 + c], rows[i][c]);

    const SingleRun& single = singles[i];
    const std::string status_key = cells[1 + kColumnCount];
    const std::string message = cells[2 + kColumnCount];
    ++statuses[status_key];
    const std::string where = "case " + std::to_string(i + 1) + ": " + join(rows[i]);
    EXPECT_EQ(message + "\r\n", single.log) << where;
    EXPECT_EQ(status_key, key_of_log_line(message)) << where;
    EXPECT_EQ(single.status == 0, status_key == "ok") << where;

    const std::vector<std::string> summary(cells.begin() + static_cast<long>(first_summary),
                                           cells.end());
    if (single.has_summary) {
      EXPECT_EQ(summary, split(single.summary, ',')) << where;
    } else {
      EXPECT_EQ(summary, std::vector<std::string>(tqweir::kSummaryFieldCount)) << where;
    }
  }
  // The generated cases must keep covering solved cases and many stops.
  EXPECT_GE(statuses["ok"], kCases / 2);
  EXPECT_GE(statuses.size(), 10u);
  for (const auto& s : statuses) std::printf("  %-24s %d\n", s.first.c_str(), s.second);
}

TEST(SweepEquivalence, ThreadsAndRangesDoNotChangeTheTable) {
  const std::string base = "'" + tqweir_test::standard_case_dir() + "'";
  ScratchDir work;
  std::string cases = "upstream_level\n";
  for (int i = 0; i <= 35; ++i) cases += std::to_string(i / 10) + "." + std::to_string(i % 10) + "\n";
  work.write("cases.csv", cases);
  ASSERT_EQ(tqweir_test::run_sweep(work, base + " cases.csv -o one.csv -j 1").status, 0);
  ASSERT_EQ(tqweir_test::run_sweep(work, base + " cases.csv -o four.csv -j 4").status, 0);
  ASSERT_EQ(tqweir_test::run_sweep(work, base + " --range upstream_level=0:3.5:0.1 -o range.csv")
                .status,
            0);
  const std::string one = work.read("one.csv");
  EXPECT_EQ(split(one, '\n').size(), 38u);  // 37 lines and the empty end
  EXPECT_EQ(work.read("four.csv"), one);
  EXPECT_EQ(work.read("range.csv"), one);
}

}  // namespace
