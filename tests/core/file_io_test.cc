// Whole-file reading: a path that names a folder is a file that cannot be
// read, not a crash (a run then reports the input file as missing).
// Writing: a symbolic link is written through, and nothing but a regular
// file is ever replaced.
#include <sys/stat.h>

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

TEST(WriteFile, ThroughALinkItsTargetIsReplacedAndNothingButARegularFile) {
  namespace fs = std::filesystem;
  tqweir_test::ScratchDir dir;
  fs::create_directory(dir.file("real"));
  dir.write("real/table.csv", "old");
  fs::create_symlink("real/table.csv", dir.file("out.csv"));  // relative to its folder
  EXPECT_TRUE(tqweir::write_file(dir.file("out.csv"), "new"));
  EXPECT_TRUE(fs::is_symlink(dir.file("out.csv")));
  EXPECT_EQ(dir.read("real/table.csv"), "new");

  ASSERT_EQ(mkfifo(dir.file("fifo").c_str(), 0644), 0);
  fs::create_directory(dir.file("folder"));
  fs::create_symlink("fifo", dir.file("to_fifo"));
  for (const char* name : {"fifo", "folder", "to_fifo"}) {
    EXPECT_FALSE(tqweir::write_file(dir.file(name), "new")) << name;
  }
  EXPECT_TRUE(fs::is_fifo(dir.file("fifo")));
  EXPECT_TRUE(fs::is_directory(dir.file("folder")));
  EXPECT_TRUE(fs::is_symlink(dir.file("to_fifo")));
  for (const auto& entry : fs::recursive_directory_iterator(dir.path())) {
    EXPECT_EQ(entry.path().string().find(".tmp~"), std::string::npos) << entry.path();
  }
}

}  // namespace
