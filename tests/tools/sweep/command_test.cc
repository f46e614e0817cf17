// The tqweir-sweep program's behaviour as a command: bad input refused
// with status 2 before anything is solved or written, a table that cannot
// be written reported with status 1, a silent standard error when it is
// not a terminal.
#include <sys/stat.h>

#include <filesystem>
#include <iterator>
#include <map>
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

TEST(SweepCommand, ResultThatCannotBeWrittenIsStatusOne) {
  // Files limited to 512 bytes: the table (about 1 kB) fails as on a full
  // device, after the cases are solved; the message is shorter.
  ScratchDir work;
  const tqweir_test::SweepRun run = tqweir_test::run_program_output(
      "/bin/sh", work,
      "-c 'trap \"\" XFSZ; ulimit -f 1; exec \"$0\" \"$@\"' '" TQWEIR_SWEEP_BINARY "' " + base() +
          " --range hd_nd=0:1:0.5 -o out.csv");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "tqweir-sweep: cannot write out.csv\n");
  EXPECT_TRUE(work.files().empty());
}

TEST(SweepCommand, OutputOntoAnInputOrAnythingButAFileIsRefusedBeforeSolving) {
  namespace fs = std::filesystem;
  ScratchDir base_dir;
  base_dir.copy_from(tqweir_test::standard_case_dir());
  ScratchDir work;
  work.write("cases.csv", "hd_nd\n0.3\n");
  fs::create_directory(work.file("folder"));
  ASSERT_EQ(mkfifo(work.file("fifo").c_str(), 0644), 0);  // stands in for a device
  fs::create_symlink(base_dir.file("parameter.csv"), work.file("link.csv"));
  const std::string other_spelling =
      base_dir.path() + "/../" + fs::path(base_dir.path()).filename().string() + "/hitai.csv";
  const std::string reads = ", which this command reads";
  const struct {
    std::string output;
    std::string why;
  } refused[] = {
      {base_dir.file("syogen.csv"), "it is " + base_dir.file("syogen.csv") + reads},
      {"./cases.csv", "it is cases.csv" + reads},
      {"link.csv", "it is " + base_dir.file("parameter.csv") + reads},
      {other_spelling, "it is " + base_dir.file("hitai.csv") + reads},
      {"folder", "it is a folder"},
      {"no/such.csv", "there is no folder no"},
      {"fifo", "it is a device, FIFO or socket, not a regular file"},
  };
  const std::map<std::string, std::string> base_files = base_dir.files();
  for (const auto& r : refused) {
    const tqweir_test::SweepRun run = tqweir_test::run_sweep(
        work, "'" + base_dir.path() + "' cases.csv -o '" + r.output + "'");
    EXPECT_EQ(run.status, 2) << r.output;
    EXPECT_EQ(run.err, "tqweir-sweep: cannot write " + r.output + ": " + r.why + "\n");
  }
  EXPECT_EQ(base_dir.files(), base_files);
  EXPECT_EQ(work.files(), (std::map<std::string, std::string>{{"cases.csv", "hd_nd\n0.3\n"},
                                                               {"link.csv", base_files.at("parameter.csv")}}));
  EXPECT_TRUE(fs::is_fifo(work.file("fifo")));
  EXPECT_TRUE(fs::is_symlink(work.file("link.csv")));
}

TEST(SweepCommand, OutputThroughALinkReplacesItsTargetAndKeepsTheLink) {
  namespace fs = std::filesystem;
  ScratchDir work;
  fs::create_directory(work.file("tables"));
  work.write("tables/sweep.csv", "old");
  fs::create_symlink("tables/sweep.csv", work.file("result.csv"));
  const tqweir_test::SweepRun run =
      tqweir_test::run_sweep(work, base() + " --range hd_nd=0:1:0.5 -o result.csv");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(fs::is_symlink(work.file("result.csv")));
  EXPECT_EQ(work.read("tables/sweep.csv").rfind("case,", 0), 0u);
  const auto entries = fs::recursive_directory_iterator(work.path());
  EXPECT_EQ(std::distance(fs::begin(entries), fs::end(entries)), 3)  // the folder, its file, the link
      << "a temporary file is left behind";
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
