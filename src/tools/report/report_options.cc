#include "tools/report/report_options.h"

#include "core/file_io.h"
#include "tools/common/input_error.h"
#include "tools/common/option_value.h"

namespace tqweir {
namespace report {

ReportOptions parse_report_options(int argc, const char* const* argv) {
  ReportOptions options;
  std::vector<std::string> positional;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-h" || arg == "--help") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "-o") {
      options.output = tools::option_value(argc, argv, i, "a file name");
    } else if (arg == "--pdf") {
      options.pdf = true;
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
  if (positional.empty()) throw tools::InputError("no DESIGN_DIR given");
  if (positional.size() > 1) throw tools::InputError("unexpected argument " + positional[1]);
  options.design_dir = positional[0];
  return options;
}

std::string report_path(const ReportOptions& options) {
  return options.output.empty() ? join_path(options.design_dir, "report.html") : options.output;
}

}  // namespace report
}  // namespace tqweir
