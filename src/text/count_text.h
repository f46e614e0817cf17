// A count of things in a tool's message, in the right number.
#ifndef TQWEIR_TEXT_COUNT_TEXT_H_
#define TQWEIR_TEXT_COUNT_TEXT_H_

#include <cstddef>
#include <string>

namespace tqweir {
namespace text {

// "1 case", "0 cases", "36 cases": `thing` is the singular of a word
// whose plural takes an "s".
std::string count_of(std::size_t n, const char* thing);

}  // namespace text
}  // namespace tqweir

#endif  // TQWEIR_TEXT_COUNT_TEXT_H_
