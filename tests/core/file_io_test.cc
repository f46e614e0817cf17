// Whole-file reading: a path that names a folder is a file that cannot be
// read, not a crash (a run then reports the input file as missing).
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "core/file_io.h"
#include "support/case_runner.h"

namespace {

TEST(ReadFile, AFolderIsAFileThatCannotBeRead) {
  tqweir_test::ScratchDir dir;
  std::filesystem::create_directory(dir.file("syogen.csv"));
  std::string bytes;
  EXPECT_FALSE(tqweir::read_file(dir.file("syogen.csv"), bytes));
  EXPECT_FALSE(tqweir::read_file(dir.file("absent.csv"), bytes));
  dir.write("present.csv", "1,2\r\n");
  EXPECT_TRUE(tqweir::read_file(dir.file("present.csv"), bytes));
  EXPECT_EQ(bytes, "1,2\r\n");
}

}  // namespace
