// The command line: no argument solves the case in the working folder and
// says how it ended on standard error; --help and --version touch no file;
// anything else is named, refused with status 2 and touches no file.
#include <string>

#include <gtest/gtest.h>

#include "support/case_runner.h"

using tqweir_test::ScratchDir;

namespace {

tqweir_test::ProgramRun run(const ScratchDir& dir, const std::string& args = "") {
  return tqweir_test::run_program_output(TQWEIR_BINARY, dir, args);
}

TEST(CommandLine, HelpAndVersionTouchNoFile) {
  ScratchDir dir;
  EXPECT_EQ(run(dir, "--help").status, 0);
  const tqweir_test::ProgramRun version = run(dir, "--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("tqweir ", 0), 0u) << version.out;
  EXPECT_TRUE(dir.files().empty());
}

TEST(CommandLine, BadArgumentIsNamedBeforeTheUsage) {
  const struct {
    const char* args;
    const char* first_line;
  } cases[] = {
      {"--bogus", "tqweir: unknown argument '--bogus'\n"},
      {"somefolder", "tqweir: unknown argument 'somefolder'\n"},
      {"--help extra", "tqweir: unexpected argument 'extra' after --help\n"},
  };
  for (const auto& c : cases) {
    ScratchDir dir;
    const tqweir_test::ProgramRun r = run(dir, c.args);
    EXPECT_EQ(r.status, 2) << c.args;
    EXPECT_EQ(r.err, std::string(c.first_line) + "usage: tqweir [--help | --version]\n");
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(dir.files().empty()) << c.args;
  }
}

TEST(CommandLine, RunPrintsTheMessageLineInUtf8OnStandardError) {
  ScratchDir empty;
  const tqweir_test::ProgramRun stopped = run(empty);
  EXPECT_EQ(stopped.status, 1);
  EXPECT_EQ(stopped.err, u8"syogen が見つかりません\n");
  EXPECT_TRUE(empty.exists("error.csv"));

  ScratchDir dir;
  dir.copy_from(std::string(TQWEIR_SOURCE_DIR) + "/examples/standard");
  const tqweir_test::ProgramRun finished = run(dir);
  EXPECT_EQ(finished.status, 0);
  EXPECT_EQ(finished.err, u8"正常に終了しました\n");
  EXPECT_EQ(finished.out, "");
}

}  // namespace
