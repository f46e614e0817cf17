// Every stored case (tests/data/cases) run through the real binary in a
// scratch folder: each file afterwards, inputs and untouched old outputs
// included, must equal tests/data/expected byte for byte, no other file may
// appear, and the exit status must match.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/case_runner.h"

namespace fs = std::filesystem;
using tqweir_test::ScratchDir;

namespace {

std::vector<std::string> case_names() {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(std::string(TQWEIR_TEST_DATA) + "/cases")) {
    if (e.is_directory()) names.push_back(e.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class StoredCase : public ::testing::TestWithParam<std::string> {};

TEST_P(StoredCase, LeavesExactlyTheExpectedFilesAndStatus) {
  const std::string name = GetParam();
  const std::string expected_dir = std::string(TQWEIR_TEST_DATA) + "/expected/" + name;
  ScratchDir dir;
  dir.copy_from(std::string(TQWEIR_TEST_DATA) + "/cases/" + name);

  const int status = tqweir_test::run_tqweir(dir);

  const int want_status =
      std::stoi(tqweir_test::read_file(expected_dir + "/_exit_status"));
  EXPECT_EQ(status, want_status);
  ScratchDir want;
  want.copy_from(expected_dir);
  auto want_files = want.files();
  want_files.erase("_exit_status");
  const auto got_files = dir.files();
  for (const auto& [file, bytes] : want_files) {
    auto it = got_files.find(file);
    ASSERT_NE(it, got_files.end()) << file << " missing";
    EXPECT_EQ(it->second, bytes) << file << " differs";
  }
  for (const auto& [file, bytes] : got_files) {
    EXPECT_TRUE(want_files.count(file)) << file << " written but not expected";
  }
}

INSTANTIATE_TEST_SUITE_P(AcceptanceAndRobustness, StoredCase, ::testing::ValuesIn(case_names()),
                         [](const auto& info) { return info.param; });

}  // namespace
