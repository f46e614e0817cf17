#include "tools/sweep/sweep_options.h"

#include <cstdlib>

#include "text/input_error.h"
#include "tools/cli/command_line.h"

namespace tqweir {
namespace sweep {
namespace {

std::string threads_wanted() {
  return "the number of threads, a whole number from 1 to " + std::to_string(kMaxThreads);
}

int parse_threads(const std::string& text) {
  char* end = nullptr;
  const long n = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || n < 1 || n > kMaxThreads) {
    throw text::InputError("-j " + text + ": " + threads_wanted());
  }
  return static_cast<int>(n);
}

}  // namespace

SweepOptions parse_sweep_options(int argc, const char* const* argv) {
  enum { kHelp, kVersion, kOutput, kThreads, kRange };
  const cli::CommandWords words = cli::split_command_line(
      argc, argv,
      {{kHelp, {"-h", "--help"}, ""},
       {kVersion, {"--version"}, ""},
       {kOutput, {"-o", "--output"}, "a file name"},
       {kThreads, {"-j", "--jobs"}, threads_wanted()},
       {kRange, {"--range"}, "NAME=FROM:TO:STEP"}});
  SweepOptions options;
  for (const cli::GivenOption& option : words.options) {
    switch (option.id) {
      case kHelp: options.help = true; break;
      case kVersion: options.version = true; break;
      case kOutput: options.output = option.value; break;
      case kThreads: options.threads = parse_threads(option.value); break;
      case kRange: options.ranges.push_back(option.value); break;
    }
  }
  const std::vector<std::string>& positional = words.positional;
  if (options.help || options.version) return options;
  if (positional.empty()) throw text::InputError("no BASE_DIR given");
  options.base_dir = positional[0];
  if (positional.size() > 2) throw text::InputError("unexpected argument " + positional[2]);
  if (positional.size() == 2) options.cases_file = positional[1];
  if (options.cases_file.empty() && options.ranges.empty()) {
    throw text::InputError("give either CASES.csv or at least one --range");
  }
  if (!options.cases_file.empty() && !options.ranges.empty()) {
    throw text::InputError("give either CASES.csv or --range, not both");
  }
  return options;
}

}  // namespace sweep
}  // namespace tqweir
