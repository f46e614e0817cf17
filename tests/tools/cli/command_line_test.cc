#include "tools/cli/command_line.h"

#include <gtest/gtest.h>

#include <vector>

#include "text/input_error.h"

namespace tqweir {
namespace cli {
namespace {

const std::vector<cli::OptionSpec> kSpecs = {{1, {"-o", "--output"}, "a file name"},
                                        {2, {"--tol"}, "a number"},
                                        {3, {"--pdf"}, ""}};

std::string error_of(std::vector<const char*> args) {
  args.insert(args.begin(), "tool");
  try {
    cli::split_command_line(static_cast<int>(args.size()), args.data(), kSpecs);
  } catch (const text::InputError& e) {
    return e.what();
  }
  return "";
}

TEST(CommandLine, ValuesInBothSpellingsNegativeNumbersAndPositionalsInOrder) {
  const std::vector<const char*> args = {"tool", "dir", "--output=a.csv", "--tol", "-0.5", "--pdf", "x"};
  const cli::CommandWords words = split_command_line(static_cast<int>(args.size()), args.data(), kSpecs);
  ASSERT_EQ(words.options.size(), 3u);
  EXPECT_EQ(words.options[0].value, "a.csv");
  EXPECT_EQ(words.options[1].value, "-0.5");
  EXPECT_EQ(words.options[2].id, 3);
  EXPECT_EQ(words.positional, (std::vector<std::string>{"dir", "x"}));
}

TEST(CommandLine, RefusesAMissingValueAnOptionInItsPlaceAndUnknownOptions) {
  EXPECT_EQ(error_of({"-o"}), "-o needs a file name");
  EXPECT_EQ(error_of({"-o", "--pdf"}), "-o needs a file name");
  EXPECT_EQ(error_of({"-o", ""}), "-o needs a file name");
  EXPECT_EQ(error_of({"--output="}), "--output needs a file name");
  EXPECT_EQ(error_of({"--pdf=yes"}), "unknown option --pdf=yes");
  EXPECT_EQ(error_of({"--fast"}), "unknown option --fast");
}

}  // namespace
}  // namespace cli
}  // namespace tqweir
