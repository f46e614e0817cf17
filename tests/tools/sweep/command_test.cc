// The tqweir-sweep program's behaviour as a command: bad input refused
// with status 2 before anything is solved or written, a table that cannot
// be written reported with status 1, a silent standard error when it is
// not a terminal.
#include <string>

#include <gtest/gtest.h>

#include "support/case_runner.h"
#include "sweep_run.h"

namespace {

using tqweir_test::ScratchDir;

std::string base() { return "'" + tqweir_test::standard_case_dir() + "'"; }

TEST(SweepCommand, BadCasesFileIsRefusedNamingLineAndColumn) {
  struct Bad {
    const char* cases;
    const char* expected;
  };
  const Bad bad[] = {
      {"upstream_level,hd_nd,leaf_wieght\n1,0.3,5000\n", "cases.csv line 1, column 3: unknown field 'leaf_wieght'"},
      {"upstream_level,hd_nd\n1,0.3\n2,0,3\n", "cases.csv line 3: 3 values, but the header names 2 fields"},
      {"upstream_level,hd_nd\n1,0.3\n2,O.3\n", "cases.csv line 3, column 2 (hd_nd): 'O.3' is not a number"},
  };
  for (const Bad& b : bad) {
    ScratchDir work;
    work.write("cases.csv", b.cases);
    const tqweir_test::SweepRun run = tqweir_test::run_sweep(work, base() + " cases.csv");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(b.expected), std::string::npos) << run.err;
    EXPECT_FALSE(work.exists("sweep.csv"));
  }
}

TEST(SweepCommand, BaseCaseMustRead) {
  ScratchDir base_dir;
  base_dir.copy_from(tqweir_test::standard_case_dir());
  base_dir.write("hitai.csv", "0,0\n");
  ScratchDir work;
  const tqweir_test::SweepRun run =
      tqweir_test::run_sweep(work, "'" + base_dir.path() + "' --range hd_nd=0:1:0.5");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("hitai.csv: hitai.csv has fewer than 2"), std::string::npos) << run.err;
  EXPECT_FALSE(work.exists("sweep.csv"));

  const tqweir_test::SweepRun missing =
      tqweir_test::run_sweep(work, "'" + work.path() + "' --range hd_nd=0:1:0.5");
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("cannot open " + work.path() + "/syogen.csv"), std::string::npos)
      << missing.err;
}

TEST(SweepCommand, QuietOnAFileAndOneLineOnStandardOutput) {
  ScratchDir work;
  const tqweir_test::SweepRun run =
      tqweir_test::run_sweep(work, base() + " --range upstream_level=2:3.5:0.5 -j 2");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out.find("tqweir-sweep: 4 cases, 4 ok, 0 stopped"), 0u) << run.out;
  EXPECT_NE(run.out.find(" on 2 threads; results in sweep.csv\n"), std::string::npos) << run.out;
  EXPECT_TRUE(work.exists("sweep.csv"));

  const tqweir_test::SweepRun one = tqweir_test::run_sweep(work, base() + " --range hd_nd=0:0:1");
  EXPECT_EQ(one.out.find("tqweir-sweep: 1 case, 1 ok, 0 stopped"), 0u) << one.out;
  EXPECT_NE(one.out.find(" on 1 thread; results"), std::string::npos) << one.out;
}

TEST(SweepCommand, UnwritableResultIsStatusOne) {
  ScratchDir work;
  const tqweir_test::SweepRun run =
      tqweir_test::run_sweep(work, base() + " --range hd_nd=0:1:0.5 -o no/such/folder.csv");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "tqweir-sweep: cannot write no/such/folder.csv\n");
}

TEST(SweepCommand, UsageMistakesAreStatusTwo) {
  ScratchDir work;
  const tqweir_test::SweepRun none = tqweir_test::run_sweep(work, "");
  EXPECT_EQ(none.status, 2);
  EXPECT_NE(none.err.find("usage: tqweir-sweep BASE_DIR"), std::string::npos);
  EXPECT_EQ(tqweir_test::run_sweep(work, base() + " --range hd_nd=1:0:1").status, 2);
  EXPECT_EQ(tqweir_test::run_sweep(work, "--help").status, 0);
  const tqweir_test::SweepRun version = tqweir_test::run_sweep(work, "--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("tqweir-sweep ", 0), 0u) << version.out;
  const tqweir_test::SweepRun bogus = tqweir_test::run_sweep(work, "--bogus");
  EXPECT_EQ(bogus.status, 2);
  EXPECT_EQ(bogus.err.rfind("tqweir-sweep: unknown option --bogus\nusage:", 0), 0u) << bogus.err;
  EXPECT_TRUE(work.files().empty());
}

}  // namespace
