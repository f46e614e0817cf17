#include "tools/seek/seek_options.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "tools/common/input_error.h"

namespace tqweir {
namespace seek {
namespace {

int whole_number(const std::string& option, const std::string& text, int lo, int hi) {
  char* end = nullptr;
  errno = 0;
  const long n = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || errno != 0 || n < lo || n > hi) {
    throw tools::InputError(option + " " + text + ": give a whole number from " +
                            std::to_string(lo) + " to " + std::to_string(hi));
  }
  return static_cast<int>(n);
}

double tolerance_value(const std::string& text) {
  char* end = nullptr;
  const double t = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !std::isfinite(t) || t < 0.0) {
    throw tools::InputError("--tol " + text + ": give a finite number >= 0");
  }
  return t;
}

}  // namespace

SeekOptions parse_seek_options(int argc, const char* const* argv) {
  SeekOptions options;
  std::vector<std::string> positional;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    std::string inline_value;
    bool has_inline = false;
    const std::size_t eq = arg.find('=');
    if (arg.compare(0, 2, "--") == 0 && eq != std::string::npos) {
      inline_value = arg.substr(eq + 1);
      arg = arg.substr(0, eq);
      has_inline = true;
    }
    const auto value = [&]() -> std::string {
      if (has_inline) return inline_value;
      if (i + 1 >= argc) throw tools::InputError(arg + " needs a value");
      return argv[++i];
    };
    if (arg == "-h" || arg == "--help") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "-o" || arg == "--output") {
      options.output = value();
      if (options.output.empty()) throw tools::InputError(arg + " needs a name");
    } else if (arg == "--vary") {
      options.vary = value();
    } else if (arg == "--until") {
      options.until = value();
    } else if (arg == "--case") {
      options.case_name = value();
      options.has_case = true;
    } else if (arg == "--sealed") {
      options.sealed = value();
    } else if (arg == "--pick") {
      options.pick = whole_number(arg, value(), 1, kMaxScanIntervals);
    } else if (arg == "--scan") {
      options.scan = whole_number(arg, value(), 1, kMaxScanIntervals);
    } else if (arg == "--tol") {
      options.tolerance = tolerance_value(value());
    } else if (arg.size() > 1 && arg[0] == '-') {
      throw tools::InputError("unknown option " + arg);
    } else {
      positional.push_back(arg);
    }
  }
  if (options.help || options.version) return options;
  if (positional.empty()) throw tools::InputError("no CASE_DIR given");
  if (positional.size() > 1) throw tools::InputError("unexpected argument " + positional[1]);
  options.dir = positional[0];
  if (!options.sealed.empty()) {
    if (!options.vary.empty() || !options.until.empty()) {
      throw tools::InputError("--sealed makes its own search: give it without --vary and --until");
    }
    return options;
  }
  if (options.vary.empty()) throw tools::InputError("no --vary FIELD=LO:HI given");
  if (options.until.empty()) throw tools::InputError("no --until given");
  return options;
}

}  // namespace seek
}  // namespace tqweir
