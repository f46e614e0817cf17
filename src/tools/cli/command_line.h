// The words of a tool's command line: its options, each with its value
// when it takes one, and the positional words (folders, files), in one
// scan shared by every tool.
#ifndef TQWEIR_TOOLS_CLI_COMMAND_LINE_H_
#define TQWEIR_TOOLS_CLI_COMMAND_LINE_H_

#include <ostream>
#include <string>
#include <vector>

namespace tqweir {
namespace cli {

// An option a tool takes: a number of the tool's own to tell it by, its
// spellings ("-o", "--output") and, for one that takes a value, what the
// value is, as the refusal of a missing one says it ("a file name").
struct OptionSpec {
  int id = 0;
  std::vector<std::string> names;
  std::string value;  // empty: a flag without a value
};

// An option as given, in the order given; `name` is the spelling used.
struct GivenOption {
  int id = 0;
  std::string name;
  std::string value;
};

struct CommandWords {
  std::vector<GivenOption> options;
  std::vector<std::string> positional;
};

// True for a word that is an option rather than a value: it starts with
// '-', is longer than "-", and is not a negative number ("-0.5" is a value).
bool is_option(const std::string& word);

// Splits argv[1..] by `specs`. An option with a value takes the next word,
// or, spelt with "--", also "--name=value". Throws InputError "unknown
// option X" for a word that looks like an option and is none of `specs`,
// and "X needs WHAT" when the value is missing, empty or itself an option:
// "--range -o out.csv" is a forgotten range, not the range "-o".
CommandWords split_command_line(int argc, const char* const* argv,
                                const std::vector<OptionSpec>& specs);

// For --help prints `help` (the tool's text and usage), for --version
// `version_line` and a line end; true when it printed one of them, and the
// command is then done (the help wins when both are given).
bool answer_help_or_version(bool help, bool version, const std::string& help_text,
                            const std::string& version_line, std::ostream& out);

}  // namespace cli
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_CLI_COMMAND_LINE_H_
