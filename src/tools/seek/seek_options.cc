#include "tools/seek/seek_options.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "tools/cli/command_line.h"
#include "text/input_error.h"
#include "studies/seek/seek_plan.h"

namespace tqweir {
namespace seek {
namespace {

int whole_number(const std::string& option, const std::string& text, int lo, int hi) {
  char* end = nullptr;
  errno = 0;
  const long n = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || errno != 0 || n < lo || n > hi) {
    throw text::InputError(option + " " + text + ": give a whole number from " +
                            std::to_string(lo) + " to " + std::to_string(hi));
  }
  return static_cast<int>(n);
}

double tolerance_value(const std::string& text) {
  char* end = nullptr;
  const double t = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !std::isfinite(t) || t < 0.0) {
    throw text::InputError("--tol " + text + ": give a finite number >= 0");
  }
  return t;
}

// A finite number converted as the reader converts `field`.
double finite_value(const InputField& field, const std::string& text, const std::string& what) {
  double value = 0.0;
  std::string why;
  if (!parse_field_value(field, text, value, why)) throw text::InputError(what + " " + text + " " + why);
  if (!std::isfinite(value)) throw text::InputError(what + " " + text + " is not a finite number");
  return value;
}

}  // namespace

SeekOptions parse_seek_options(int argc, const char* const* argv) {
  enum { kHelp, kVersion, kOutput, kVary, kUntil, kCase, kSealed, kPick, kScan, kTolerance };
  const cli::CommandWords words = cli::split_command_line(
      argc, argv,
      {{kHelp, {"-h", "--help"}, ""},
       {kVersion, {"--version"}, ""},
       {kOutput, {"-o", "--output"}, "a name"},
       {kVary, {"--vary"}, "FIELD=LO:HI"},
       {kUntil, {"--until"}, "RESULT=VALUE, a criterion or stop"},
       {kCase, {"--case"}, "a load case's name"},
       {kSealed, {"--sealed"}, "FIELD=FROM:TO:STEP"},
       {kPick, {"--pick"}, "a whole number"},
       {kScan, {"--scan"}, "a whole number"},
       {kTolerance, {"--tol"}, "a number"}});
  SeekOptions options;
  std::vector<int> given;
  for (const cli::GivenOption& option : words.options) {
    const std::string& value = option.value;
    // A second value would silently replace the first.
    for (int id : given) {
      if (id == option.id) throw text::InputError(option.name + " is given twice");
    }
    given.push_back(option.id);
    switch (option.id) {
      case kHelp: options.help = true; break;
      case kVersion: options.version = true; break;
      case kOutput: options.output = value; break;
      case kVary: options.vary = value; break;
      case kUntil: options.until = value; break;
      case kCase:
        options.case_name = value;
        options.has_case = true;
        break;
      case kSealed: options.sealed = value; break;
      case kPick: options.pick = whole_number(option.name, value, 1, kMaxScanIntervals); break;
      case kScan: options.scan = whole_number(option.name, value, 1, kMaxScanIntervals); break;
      case kTolerance: options.tolerance = tolerance_value(value); break;
    }
  }
  const std::vector<std::string>& positional = words.positional;
  if (options.help || options.version) return options;
  if (positional.empty()) throw text::InputError("no CASE_DIR given");
  if (positional.size() > 1) throw text::InputError("unexpected argument " + positional[1]);
  options.dir = positional[0];
  if (!options.sealed.empty()) {
    // The sealed curve searches its own unknowns at its own precision.
    const char* names[] = {"--vary", "--until", "--case", "--pick", "--scan", "--tol"};
    const int ids[] = {kVary, kUntil, kCase, kPick, kScan, kTolerance};
    for (int k = 0; k < 6; ++k) {
      for (int id : given) {
        if (id == ids[k]) {
          throw text::InputError(std::string("--sealed makes its own search: give it without ") +
                                 names[k]);
        }
      }
    }
    return options;
  }
  if (options.vary.empty()) throw text::InputError("no --vary FIELD=LO:HI given");
  if (options.until.empty()) throw text::InputError("no --until given");
  return options;
}

SeekRequest seek_request(const SeekOptions& options) {
  SeekRequest request;
  request.dir = options.dir;
  const std::size_t eq = options.vary.find('=');
  const std::size_t colon = options.vary.find(':', eq == std::string::npos ? 0 : eq);
  if (eq == std::string::npos || colon == std::string::npos) {
    throw text::InputError("--vary " + options.vary + ": give FIELD=LO:HI");
  }
  request.field = options.vary.substr(0, eq);
  const InputField& field = real_field(request.field);
  request.lo = finite_value(field, options.vary.substr(eq + 1, colon - eq - 1), "--vary: LO");
  request.hi = finite_value(field, options.vary.substr(colon + 1), "--vary: HI");
  const std::size_t until_eq = options.until.find('=');
  if (options.until == "stop") {
    request.kind = SeekKind::stop;
  } else if (until_eq != std::string::npos) {
    request.kind = SeekKind::result;
    request.until = options.until.substr(0, until_eq);
    const std::string text = options.until.substr(until_eq + 1);
    char* end = nullptr;
    request.target = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0') request.target = std::nan("");
  } else {
    request.kind = SeekKind::criterion;
    request.until = options.until;
  }
  request.has_case = options.has_case;
  request.case_name = options.case_name;
  request.pick = options.pick;
  request.tolerance = options.tolerance;
  request.scan = options.scan;
  return request;
}

std::string refusal_text(const SeekRefusal& refusal, const SeekOptions& options) {
  const std::string why = refusal.what();
  switch (refusal.which()) {
    case SeekInput::field: return why;
    case SeekInput::range: return "--vary " + options.vary + ": " + why;
    case SeekInput::result: return "--until: " + why;
    case SeekInput::target:
      return "--until: VALUE " + options.until.substr(options.until.find('=') + 1) + " " + why;
    case SeekInput::criterion: return "--until " + options.until + ": " + why;
    case SeekInput::criteria: return why + " --until " + options.until;
    case SeekInput::load_case: return "--case " + options.case_name + ": " + why;
    case SeekInput::pick: return "--pick " + std::to_string(options.pick) + ": " + why;
    case SeekInput::scan: return "--scan " + std::to_string(options.scan) + ": " + why;
    case SeekInput::tolerance: return "--tol: " + why;
    case SeekInput::levels: return "--sealed " + options.sealed + ": " + why;
    case SeekInput::load: break;
  }
  const std::size_t eq = options.sealed.find('=');
  return "--sealed " + options.sealed.substr(0, eq) + ": " + why;
}

}  // namespace seek
}  // namespace tqweir
