#include "tools/sweep/sweep_options.h"

#include <cstdlib>

#include "tools/common/input_error.h"
#include "tools/common/option_value.h"

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
    throw tools::InputError("-j " + text + ": " + threads_wanted());
  }
  return static_cast<int>(n);
}

}  // namespace

SweepOptions parse_sweep_options(int argc, const char* const* argv) {
  SweepOptions options;
  std::vector<std::string> positional;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-h" || arg == "--help") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "-o" || arg == "--output") {
      options.output = tools::option_value(argc, argv, i, "a file name");
    } else if (arg == "-j" || arg == "--jobs") {
      options.threads = parse_threads(tools::option_value(argc, argv, i, threads_wanted()));
    } else if (arg == "--range") {
      options.ranges.push_back(tools::option_value(argc, argv, i, "NAME=FROM:TO:STEP"));
    } else if (arg.compare(0, 8, "--range=") == 0) {
      options.ranges.push_back(arg.substr(8));
    } else if (tools::is_option(arg)) {
      throw tools::InputError("unknown option " + arg);
    } else {
      positional.push_back(arg);
    }
  }
  if (options.help || options.version) return options;
  if (positional.empty()) throw tools::InputError("no BASE_DIR given");
  options.base_dir = positional[0];
  if (positional.size() > 2) throw tools::InputError("unexpected argument " + positional[2]);
  if (positional.size() == 2) options.cases_file = positional[1];
  if (options.cases_file.empty() && options.ranges.empty()) {
    throw tools::InputError("give either CASES.csv or at least one --range");
  }
  if (!options.cases_file.empty() && !options.ranges.empty()) {
    throw tools::InputError("give either CASES.csv or --range, not both");
  }
  return options;
}

}  // namespace sweep
}  // namespace tqweir
