#include "tools/cli/command_line.h"

#include <cctype>

#include "text/input_error.h"

namespace tqweir {
namespace cli {
namespace {

const OptionSpec* spec_named(const std::vector<OptionSpec>& specs, const std::string& name) {
  for (const OptionSpec& spec : specs) {
    for (const std::string& spelling : spec.names) {
      if (spelling == name) return &spec;
    }
  }
  return nullptr;
}

}  // namespace

bool is_option(const std::string& word) {
  if (word.size() < 2 || word[0] != '-') return false;
  const unsigned char next = static_cast<unsigned char>(word[1]);
  return !(std::isdigit(next) || next == '.');
}

CommandWords split_command_line(int argc, const char* const* argv,
                                const std::vector<OptionSpec>& specs) {
  CommandWords words;
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (!is_option(word)) {
      words.positional.push_back(word);
      continue;
    }
    std::string name = word;
    std::string value;
    bool inline_value = false;
    const std::size_t eq = word.find('=');
    if (word.compare(0, 2, "--") == 0 && eq != std::string::npos) {
      name = word.substr(0, eq);
      value = word.substr(eq + 1);
      inline_value = true;
    }
    const OptionSpec* spec = spec_named(specs, name);
    if (spec == nullptr || (inline_value && spec->value.empty())) {
      throw text::InputError("unknown option " + word);
    }
    if (!spec->value.empty() && !inline_value) {
      if (i + 1 < argc && !is_option(argv[i + 1])) value = argv[++i];
    }
    if (!spec->value.empty() && value.empty()) throw text::InputError(name + " needs " + spec->value);
    words.options.push_back({spec->id, name, value});
  }
  return words;
}

bool answer_help_or_version(bool help, bool version, const std::string& help_text,
                            const std::string& version_line, std::ostream& out) {
  if (help) {
    out << help_text;
  } else if (version) {
    out << version_line << "\n";
  }
  return help || version;
}

}  // namespace cli
}  // namespace tqweir
