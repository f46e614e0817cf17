#include "tools/operate/parse_operate_options.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "cases/range_spec.h"
#include "core/input_fields.h"
#include "operation/operation_file.h"
#include "text/input_error.h"
#include "text/number_text.h"
#include "text/number_cell.h"
#include "tools/cli/command_line.h"

namespace tqweir {
namespace operate {
namespace {

using text::InputError;

enum Id {
  kHelp, kVersion, kOutput, kLower, kRaise, kCase, kWithin, kFlood, kPower, kRating, kAngles,
  kFailed, kFailCount
};

// A gate's number or a count of gates: a whole number from `least` to
// the most gates a weir has.
int gate_number(const std::string& option, const std::string& cell, int least) {
  double value = 0.0;
  std::string why;
  if (!text::read_number(cell, value, why) || value != std::floor(value) || value < least ||
      value > operation::kMostGates) {
    throw InputError(option + ": '" + cell + "' is not a whole number from " + std::to_string(least) +
                     " to " + std::to_string(operation::kMostGates));
  }
  return static_cast<int>(value);
}

// "2,5": gate numbers, none twice.
std::vector<int> gate_list(const std::string& arg) {
  std::vector<int> gates;
  std::size_t begin = 0;
  for (std::size_t k = 0; k <= arg.size() && gates.size() <= static_cast<std::size_t>(operation::kMostGates); ++k) {
    if (k < arg.size() && arg[k] != ',') continue;
    const int gate = gate_number("--failed " + arg, arg.substr(begin, k - begin), 1);
    if (std::find(gates.begin(), gates.end(), gate) != gates.end()) {
      throw InputError("--failed " + arg + ": gate " + std::to_string(gate) + " is given twice");
    }
    gates.push_back(gate);
    begin = k + 1;
  }
  return gates;
}

RatingLevels rating_levels(const std::string& arg) {
  try {
    const cases::RangeSpec range = cases::parse_range("upstream_level=" + arg);
    if (range.texts.size() > kMaxRatingLevels) {
      throw InputError("more than " + std::to_string(kMaxRatingLevels) + " levels");
    }
    return {cases::range_values(*range.field, range.texts)};
  } catch (const InputError& error) {
    throw InputError("--rating " + arg + ": " + error.what());
  }
}

std::vector<double> angle_list(const std::string& arg) {
  std::vector<double> angles;
  std::size_t begin = 0;
  for (std::size_t k = 0; k <= arg.size(); ++k) {
    if (k < arg.size() && arg[k] != ',') continue;
    if (angles.size() == kMaxRatingLevels) {
      throw InputError("--angles: more than " + std::to_string(kMaxRatingLevels) + " angles");
    }
    double angle = 0.0;
    std::string why;
    const std::string cell = arg.substr(begin, k - begin);
    if (!text::read_number(cell, angle, why)) {
      throw InputError("--angles " + arg + ": '" + cell + "' is not a finite number of degrees");
    }
    angles.push_back(angle);
    begin = k + 1;
  }
  return angles;
}

// The option of `id` given where the mode does not take it.
void refuse_beside(const std::set<int>& given, int id, const char* option, const char* mode) {
  if (given.count(id) != 0) throw InputError(std::string(option) + " does not go with " + mode);
}

}  // namespace

OperateCommand parse_operate_options(int argc, const char* const* argv) {
  const cli::CommandWords words = cli::split_command_line(
      argc, argv,
      {{kHelp, {"-h", "--help"}, ""},
       {kVersion, {"--version"}, ""},
       {kOutput, {"-o", "--output"}, "a file name"},
       {kLower, {"--lower"}, ""},
       {kRaise, {"--raise"}, ""},
       {kCase, {"--case"}, "a load case's name"},
       {kWithin, {"--within"}, "a number of minutes"},
       {kFlood, {"--flood"}, "an inflow file"},
       {kPower, {"--power-failure"}, ""},
       {kRating, {"--rating"}, "FROM:TO:STEP of the upstream level"},
       {kAngles, {"--angles"}, "leaf angles A,B,..."},
       {kFailed, {"--failed"}, "gate numbers G,H,..."},
       {kFailCount, {"--fail-count"}, "a number of gates"}});
  OperateCommand command;
  std::set<int> given;
  std::string why;  // the number rule's words; the options word their own refusals
  double within = 0.0;
  for (const cli::GivenOption& option : words.options) {
    if (!given.insert(option.id).second) throw InputError(option.name + " is given twice");
    switch (option.id) {
      case kHelp: command.help = true; break;
      case kVersion: command.version = true; break;
      case kOutput: command.output = option.value; break;
      case kLower: command.mode = Mode::lower; break;
      case kRaise: command.mode = Mode::raise; break;
      case kCase: command.operation.case_name = option.value; break;
      case kWithin:
        try {
          if (!text::read_number(option.value, within, why)) within = 0.0;
          check_within(within);
        } catch (const OperateRefusal& refusal) {
          throw InputError("--within " + option.value + ": " + refusal.what());
        }
        command.operation.within_minutes = within;
        break;
      case kFlood:
        command.mode = Mode::flood;
        command.inflow = option.value;
        break;
      case kPower: command.flood.power_failure = true; break;
      case kRating:
        command.mode = Mode::rating;
        command.rating.levels = rating_levels(option.value);
        break;
      case kAngles: command.rating.angles = angle_list(option.value); break;
      case kFailed: command.flood.failed = gate_list(option.value); break;
      case kFailCount: command.flood.fail_count = gate_number("--fail-count", option.value, 0); break;
    }
  }
  if (command.help || command.version) return command;
  if (words.positional.empty()) throw InputError("no DESIGN_DIR given");
  if (words.positional.size() > 1) throw InputError("unexpected argument " + words.positional[1]);
  command.dir = words.positional[0];
  if (given.count(kLower) + given.count(kRaise) + given.count(kFlood) + given.count(kRating) != 1) {
    throw InputError("give one of --lower, --raise, --flood and --rating");
  }
  command.operation.lower = command.mode == Mode::lower;
  const bool operating = command.mode == Mode::lower || command.mode == Mode::raise;
  const char* mode = command.mode == Mode::flood ? "--flood" : operating ? "--lower or --raise" : "--rating";
  if (!operating) refuse_beside(given, kCase, "--case", mode);
  if (!operating) refuse_beside(given, kWithin, "--within", mode);
  if (command.mode != Mode::flood) refuse_beside(given, kPower, "--power-failure", mode);
  if (command.mode != Mode::rating) refuse_beside(given, kAngles, "--angles", mode);
  if (command.mode != Mode::flood) refuse_beside(given, kFailed, "--failed", mode);
  if (command.mode != Mode::flood) refuse_beside(given, kFailCount, "--fail-count", mode);
  if (given.count(kFailed) != 0) refuse_beside(given, kFailCount, "--fail-count", "--failed");
  return command;
}

}  // namespace operate
}  // namespace tqweir
