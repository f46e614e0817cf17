// The one way the sweep tool refuses its input: a bad command line, a bad
// CASES.csv, a base case that does not read. Thrown before any case is
// solved; the command line prints what() and exits with status 2. A case
// that stops is not an error of the tool: it is a row of the result.
#ifndef TQWEIR_TOOLS_SWEEP_SWEEP_ERROR_H_
#define TQWEIR_TOOLS_SWEEP_SWEEP_ERROR_H_

#include <stdexcept>
#include <string>

namespace tqweir {
namespace sweep {

class SweepError : public std::runtime_error {
 public:
  explicit SweepError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace sweep
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_SWEEP_SWEEP_ERROR_H_
