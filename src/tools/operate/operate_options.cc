#include "tools/operate/operate_options.h"

#include "text/input_error.h"
#include "text/name_value_rows.h"
#include "tools/cli/command_line.h"

namespace tqweir {
namespace operate {

OperateOptions parse_operate_options(int argc, const char* const* argv) {
  enum { kHelp, kVersion, kOutput, kLower, kRaise, kCase, kWithin };
  const cli::CommandWords words = cli::split_command_line(
      argc, argv,
      {{kHelp, {"-h", "--help"}, ""},
       {kVersion, {"--version"}, ""},
       {kOutput, {"-o", "--output"}, "a file name"},
       {kLower, {"--lower"}, ""},
       {kRaise, {"--raise"}, ""},
       {kCase, {"--case"}, "a load case's name"},
       {kWithin, {"--within"}, "a number of minutes"}});
  OperateOptions options;
  bool raise = false;
  for (const cli::GivenOption& option : words.options) {
    switch (option.id) {
      case kHelp: options.help = true; break;
      case kVersion: options.version = true; break;
      case kOutput: options.output = option.value; break;
      case kLower: options.lower = true; break;
      case kRaise: raise = true; break;
      case kCase:
        options.case_name = option.value;
        options.has_case = true;
        break;
      case kWithin:
        if (!text::finite_number_cell(option.value, options.within_minutes) ||
            !(options.within_minutes > 0.0)) {
          throw text::InputError("--within " + option.value + ": give a finite number of minutes above 0");
        }
        options.has_within = true;
        break;
    }
  }
  if (options.help || options.version) return options;
  if (words.positional.empty()) throw text::InputError("no DESIGN_DIR given");
  if (words.positional.size() > 1) throw text::InputError("unexpected argument " + words.positional[1]);
  options.dir = words.positional[0];
  if (options.lower == raise) throw text::InputError("give one of --lower and --raise");
  return options;
}

}  // namespace operate
}  // namespace tqweir
