// tqweir-report as a command on design folders: bad input is refused with
// the file, line and column, exit status 2 and the older report left as it
// was; a spreadsheet's CP932 files read as their UTF-8 text; --pdf without
// a browser says how to get one; the sections are numbered in order.
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/case_runner.h"
#include "tools/report/report_command.h"

namespace {

using tqweir_test::ScratchDir;

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome run_report(std::vector<std::string> args) {
  args.insert(args.begin(), "tqweir-report");
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  std::ostringstream out, err;
  const int status = tqweir::report::run_report_command_line(
      static_cast<int>(argv.size()), argv.data(), out, err, "2024-06-01");
  return {status, out.str(), err.str()};
}

void write_standard_case(const ScratchDir& dir) {
  dir.copy_from(std::string(TQWEIR_SOURCE_DIR) + "/examples/standard");
}

TEST(ReportCommand, BadInputIsRefusedAndTheOlderReportStays) {
  const struct {
    const char* file;
    const char* text;
    const char* expected;
  } bad[] = {
      {"loadcases.csv", "case,upstream_level,hd_nd\nA,1,0.3\nB,2\n",
       "loadcases.csv line 3: 1 values, but the header names 2 fields"},
      {"loadcases.csv", "case,upstream_lvl\nA,1\n",
       "loadcases.csv line 1, column 2: unknown field 'upstream_lvl'"},
      {"loadcases.csv", "case,hd_nd\nA,0.3\nB,1e999\n",
       "loadcases.csv line 3, column 2 (hd_nd): '1e999' is out of the range of numbers"},
      {"loadcases.csv", "case,hd_nd\nA,0.3\nA,0.4\n",
       "loadcases.csv line 3, column 1: case 'A' is already named on line 2"},
      {"loadcases.csv", "case,hd_nd\n\xE5\xB9\xB3,0.3\n\x95\xBD,0.4\n",
       "loadcases.csv: line 2 is UTF-8 text but line 3 is CP932"},
      {"criteria.csv", "title,x\nsafety,3\n", "criteria.csv line 2, column 1: unknown name"},
      {"criteria.csv", "title,\x80\n", "criteria.csv line 1: bytes that are neither"},
      {"criteria.csv", "stopper_capacity,-5\n", "criteria.csv line 1, column 2"},
      {"criteria.csv", "limit_range,0.5:4.0\n",
       "criteria.csv line 1, column 1 (limit_range): limit_range needs limit_variable too"},
      {"syogen.csv", "0,10,0\n", "base case: "},
  };
  for (const auto& b : bad) {
    ScratchDir dir;
    write_standard_case(dir);
    dir.write(b.file, b.text);
    dir.write("report.html", "older report");
    const Outcome outcome = run_report({dir.path()});
    EXPECT_EQ(outcome.status, 2) << b.text;
    EXPECT_NE(outcome.err.find(b.expected), std::string::npos) << b.text << "\n" << outcome.err;
    EXPECT_EQ(dir.read("report.html"), "older report");
  }
  ScratchDir dir;
  write_standard_case(dir);
  std::filesystem::create_directory(dir.file("loadcases.csv"));  // there, but unreadable
  EXPECT_EQ(run_report({dir.path()}).status, 2);
  EXPECT_FALSE(dir.exists("report.html"));
  std::filesystem::remove(dir.file("loadcases.csv"));
  EXPECT_EQ(run_report({dir.path(), "--range", "hd_nd=0:1"}).status, 2);
  const Outcome many = run_report({dir.path(), "--range", "hd_nd=0:300:1"});
  EXPECT_EQ(many.status, 2);
  EXPECT_NE(many.err.find("more than 200 cases"), std::string::npos) << many.err;
  std::string cases = "case,hd_nd\n";
  for (int i = 0; i < 201; ++i) cases += "c" + std::to_string(i) + ",0.3\n";
  dir.write("loadcases.csv", cases);
  const Outcome rows = run_report({dir.path()});
  EXPECT_NE(rows.err.find(dir.file("loadcases.csv") + ": 201 cases; a report holds at most 200"),
            std::string::npos) << rows.err;
  std::filesystem::remove(dir.file("loadcases.csv"));
  EXPECT_EQ(run_report({dir.path(), "--colour"}).status, 2);
  EXPECT_EQ(run_report({}).status, 2);
  EXPECT_FALSE(dir.exists("report.html"));
}

TEST(ReportCommand, OutputOntoTheDesignOrTheReportItselfIsRefused) {
  ScratchDir dir;
  write_standard_case(dir);
  const std::map<std::string, std::string> before = dir.files();
  const std::string reads = ", which this command reads";
  const struct {
    std::vector<std::string> args;
    std::string why;
  } refused[] = {
      {{"-o", dir.file("parameter.csv")}, "it is " + dir.file("parameter.csv") + reads},
      // Not there yet, but the next run would read it.
      {{"-o", dir.file("criteria.csv")}, "it is " + dir.file("criteria.csv") + reads},
      // The browser prints the PDF from the report.
      {{"-o", dir.file("r.pdf"), "--pdf"}, "it is " + dir.file("r.pdf") + reads},
      {{"-o", dir.path()}, "it is a folder"},
  };
  for (const auto& r : refused) {
    std::vector<std::string> args = r.args;
    args.insert(args.begin(), dir.path());
    const Outcome outcome = run_report(args);
    EXPECT_EQ(outcome.status, 2) << r.why;
    EXPECT_NE(outcome.err.find("cannot write " + r.args[1] + ": " + r.why), std::string::npos)
        << outcome.err;
  }
  EXPECT_EQ(dir.files(), before);
  const Outcome range = run_report({dir.path(), "--range", "-o", dir.file("r.html")});
  EXPECT_EQ(range.err.rfind("tqweir-report: --range needs NAME=FROM:TO:STEP\n", 0), 0u)
      << range.err;
}

TEST(ReportCommand, SpreadsheetCp932FilesReadAsTheirText) {
  ScratchDir dir;
  write_standard_case(dir);
  // 洪水 (flood) and 平常 (normal) as a Japanese spreadsheet saves them.
  dir.write("loadcases.csv", "case,upstream_level\r\n\x95\xBD\x8F\xED,2.5\r\n\x8D\x5E\x90\x85,3.5\r\n");
  dir.write("criteria.csv", "title,\x8D\x5E\x90\x85\x8E\x9E\r\n");
  const Outcome outcome = run_report({dir.path(), "-o", dir.file("out.html")});
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  const std::string html = dir.read("out.html");
  EXPECT_NE(html.find("<title>\xE6\xB4\xAA\xE6\xB0\xB4\xE6\x99\x82</title>"), std::string::npos);
  EXPECT_NE(html.find("\xE5\xB9\xB3\xE5\xB8\xB8"), std::string::npos);
  EXPECT_EQ(html.find("\x8D\x5E"), std::string::npos);
  EXPECT_NE(outcome.out.find("2 cases, 2 finished, 0 stopped"), std::string::npos);
}

TEST(ReportCommand, SectionsAreNumberedInOrderWithNoneForAnAbsentSection) {
  ScratchDir dir;
  write_standard_case(dir);
  // One case: no operating curves, and the closing line counts one case.
  const Outcome outcome = run_report({dir.path(), "-o", dir.file("out.html")});
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_NE(outcome.out.find("tqweir-report: 1 case, 1 finished"), std::string::npos);
  const std::string html = dir.read("out.html");
  std::string numbers;
  for (std::size_t at = html.find("<h2>"); at != std::string::npos;
       at = html.find("<h2>", at + 1)) {
    numbers += html.substr(at + 4, html.find(' ', at) - at - 4) + " ";
  }
  EXPECT_EQ(numbers, "1. 2. 3. 4. 5. 6. 7. Appendix Self-check ");
  EXPECT_NE(html.find("<h3>2.5 "), std::string::npos);
  EXPECT_EQ(html.find("id=\"charts\""), std::string::npos);
}

// The leaf's checks stand in the checks table and count in the verdict
// as the summary's do: the hinge's 106.370 kN/m passes a capacity of 100.
TEST(ReportCommand, LeafChecksCountInTheVerdict) {
  ScratchDir dir;
  write_standard_case(dir);
  dir.write("criteria.csv", "hinge_capacity,100\r\nleaf_section_modulus,250\r\nleaf_allowable_bending,140\r\n");
  const Outcome outcome = run_report({dir.path(), "-o", dir.file("out.html")});
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  const std::string html = dir.read("out.html");
  EXPECT_NE(html.find("Checks: 1 of 2 NG"), std::string::npos);
  EXPECT_NE(html.find("<td class=\"num value\">106.370 kN/m</td><td class=\"num limit\">100.000</td>"),
            std::string::npos);
  EXPECT_NE(html.find("<td class=\"num value\">127.374 N/mm2</td>"), std::string::npos);
}

TEST(ReportCommand, PdfWithoutABrowserSaysHowToGetOne) {
  ScratchDir dir;
  write_standard_case(dir);
  setenv("TQWEIR_CHROMIUM", dir.file("no-such-browser").c_str(), 1);
  const Outcome outcome = run_report({dir.path(), "--pdf"});
  unsetenv("TQWEIR_CHROMIUM");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_NE(outcome.err.find("apt-get install chromium"), std::string::npos);
  EXPECT_TRUE(dir.exists("report.html"));
  EXPECT_FALSE(dir.exists("report.pdf"));
}

}  // namespace
