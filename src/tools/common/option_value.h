// The value of a command-line option that takes one ("-o FILE", "--range
// NAME=FROM:TO:STEP", "-j N"), shared by the tools' option parsers.
#ifndef TQWEIR_TOOLS_COMMON_OPTION_VALUE_H_
#define TQWEIR_TOOLS_COMMON_OPTION_VALUE_H_

#include <string>

namespace tqweir {
namespace tools {

// True for a word that is an option rather than a value: it starts with
// '-' and is longer than "-".
bool is_option(const std::string& word);

// The word after the option argv[i], moving i onto it. Throws InputError
// "OPTION needs WHAT" when there is none, it is empty, or it is itself an
// option: "--range -o out.csv" is a forgotten range, not the range "-o".
std::string option_value(int argc, const char* const* argv, int& i, const std::string& what);

}  // namespace tools
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_COMMON_OPTION_VALUE_H_
