#include "tools/report/report_options.h"

#include "core/file_io.h"
#include "text/input_error.h"
#include "tools/cli/command_line.h"

namespace tqweir {
namespace report {

ReportOptions parse_report_options(int argc, const char* const* argv) {
  enum { kHelp, kVersion, kOutput, kPdf, kRange };
  const cli::CommandWords words = cli::split_command_line(
      argc, argv,
      {{kHelp, {"-h", "--help"}, ""},
       {kVersion, {"--version"}, ""},
       {kOutput, {"-o"}, "a file name"},
       {kPdf, {"--pdf"}, ""},
       {kRange, {"--range"}, "NAME=FROM:TO:STEP"}});
  ReportOptions options;
  for (const cli::GivenOption& option : words.options) {
    switch (option.id) {
      case kHelp: options.help = true; break;
      case kVersion: options.version = true; break;
      case kOutput: options.output = option.value; break;
      case kPdf: options.pdf = true; break;
      case kRange: options.ranges.push_back(option.value); break;
    }
  }
  const std::vector<std::string>& positional = words.positional;
  if (options.help || options.version) return options;
  if (positional.empty()) throw text::InputError("no DESIGN_DIR given");
  if (positional.size() > 1) throw text::InputError("unexpected argument " + positional[1]);
  options.design_dir = positional[0];
  return options;
}

std::string report_path(const ReportOptions& options) {
  return options.output.empty() ? join_path(options.design_dir, "report.html") : options.output;
}

ReportRequest report_request(const ReportOptions& options, const std::string& today,
                             const std::string& version) {
  ReportRequest request;
  request.design_dir = options.design_dir;
  request.ranges = options.ranges;
  request.context = {today, version};
  return request;
}

}  // namespace report
}  // namespace tqweir
