// The one way the tools refuse their input: a bad command line, a bad
// table of cases, a base case that does not read. Thrown before any case is
// solved; a tool's command line prints what() and exits with status 2. A
// case that stops is not an error of a tool: it is one of its results.
#ifndef TQWEIR_TEXT_INPUT_ERROR_H_
#define TQWEIR_TEXT_INPUT_ERROR_H_

#include <stdexcept>
#include <string>

namespace tqweir {
namespace text {

class InputError : public std::runtime_error {
 public:
  explicit InputError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace text
}  // namespace tqweir

#endif  // TQWEIR_TEXT_INPUT_ERROR_H_
