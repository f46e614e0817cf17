// The command line of tqweir-sweep and its progress bar.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "text/input_error.h"
#include "tools/sweep/progress_bar.h"
#include "tools/sweep/sweep_options.h"

namespace {

using tqweir::sweep::SweepOptions;

SweepOptions parse(std::vector<const char*> args) {
  args.insert(args.begin(), "tqweir-sweep");
  return tqweir::sweep::parse_sweep_options(static_cast<int>(args.size()), args.data());
}

std::string error_of(std::vector<const char*> args) {
  try {
    parse(args);
  } catch (const tqweir::text::InputError& e) {
    return e.what();
  }
  return "";
}

TEST(SweepOptions, CasesFileOrRanges) {
  const SweepOptions a = parse({"base", "cases.csv", "-o", "out.csv", "-j", "3"});
  EXPECT_EQ(a.base_dir, "base");
  EXPECT_EQ(a.cases_file, "cases.csv");
  EXPECT_EQ(a.output, "out.csv");
  EXPECT_EQ(a.threads, 3);

  const SweepOptions b = parse({"--range", "hd_nd=0:1:0.5", "base", "--range=span=1:2:1"});
  EXPECT_EQ(b.base_dir, "base");
  EXPECT_EQ(b.ranges, (std::vector<std::string>{"hd_nd=0:1:0.5", "span=1:2:1"}));
  EXPECT_EQ(b.output, "sweep.csv");
  EXPECT_EQ(b.threads, 0);
  EXPECT_TRUE(parse({"--help"}).help);
}

TEST(SweepOptions, MistakesAreNamed) {
  EXPECT_EQ(error_of({}), "no BASE_DIR given");
  EXPECT_EQ(error_of({"base"}), "give either CASES.csv or at least one --range");
  EXPECT_EQ(error_of({"base", "c.csv", "--range", "hd_nd=0:1:1"}),
            "give either CASES.csv or --range, not both");
  EXPECT_EQ(error_of({"base", "c.csv", "extra"}), "unexpected argument extra");
  EXPECT_EQ(error_of({"base", "c.csv", "-j"}),
            "-j needs the number of threads, a whole number from 1 to 256");
  // An option where a value belongs is a forgotten value, for every option.
  EXPECT_EQ(error_of({"base", "--range", "-o", "out.csv"}), "--range needs NAME=FROM:TO:STEP");
  EXPECT_EQ(error_of({"base", "c.csv", "-o", "-j", "2"}), "-o needs a file name");
  EXPECT_NE(error_of({"base", "c.csv", "-j", "0"}).find("from 1 to 256"), std::string::npos);
  EXPECT_NE(error_of({"base", "c.csv", "-j", "2x"}).find("from 1 to 256"), std::string::npos);
  EXPECT_EQ(error_of({"base", "c.csv", "-o", ""}), "-o needs a file name");
  EXPECT_EQ(error_of({"base", "c.csv", "--fast"}), "unknown option --fast");
}

TEST(ProgressBar, FillsWithTheCasesDone) {
  EXPECT_EQ(tqweir::sweep::progress_line(0, 8, 0.0, 4), "\r[----] 0/8   0%");
  EXPECT_EQ(tqweir::sweep::progress_line(3, 8, 0.5, 4), "\r[#---] 3/8  37%");
  EXPECT_EQ(tqweir::sweep::progress_line(8, 8, 2.0, 4), "\r[####] 8/8 100%  4 cases/s");
}

}  // namespace
