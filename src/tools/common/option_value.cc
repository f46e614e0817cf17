#include "tools/common/option_value.h"

#include "tools/common/input_error.h"

namespace tqweir {
namespace tools {

bool is_option(const std::string& word) { return word.size() > 1 && word[0] == '-'; }

std::string option_value(int argc, const char* const* argv, int& i, const std::string& what) {
  const std::string option = argv[i];
  if (i + 1 >= argc || *argv[i + 1] == '\0' || is_option(argv[i + 1])) {
    throw InputError(option + " needs " + what);
  }
  return argv[++i];
}

}  // namespace tools
}  // namespace tqweir
