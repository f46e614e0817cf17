// The command line: no argument solves the case in the working folder;
// --help and --version touch no file; anything else is refused with status 2.
#include <gtest/gtest.h>

#include "support/case_runner.h"

using tqweir_test::ScratchDir;

namespace {

TEST(CommandLine, HelpAndVersionTouchNoFile) {
  ScratchDir dir;
  EXPECT_EQ(tqweir_test::run_tqweir(dir, "--help"), 0);
  EXPECT_EQ(tqweir_test::run_tqweir(dir, "--version"), 0);
  EXPECT_TRUE(dir.files().empty());
}

TEST(CommandLine, UnknownArgumentsAreRefusedWithStatusTwo) {
  ScratchDir dir;
  EXPECT_EQ(tqweir_test::run_tqweir(dir, "--frobnicate"), 2);
  EXPECT_EQ(tqweir_test::run_tqweir(dir, "somefolder"), 2);
  EXPECT_EQ(tqweir_test::run_tqweir(dir, "--help extra"), 2);
  EXPECT_TRUE(dir.files().empty());
}

TEST(CommandLine, NoArgumentRunsInTheWorkingFolder) {
  ScratchDir dir;
  EXPECT_EQ(tqweir_test::run_tqweir(dir), 1);
  EXPECT_TRUE(dir.exists("error.csv"));
}

}  // namespace
