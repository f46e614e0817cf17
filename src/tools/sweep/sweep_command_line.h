// The tqweir-sweep program: many variants of one case, solved in one
// process, one row of results per case.
#ifndef TQWEIR_TOOLS_SWEEP_SWEEP_COMMAND_LINE_H_
#define TQWEIR_TOOLS_SWEEP_SWEEP_COMMAND_LINE_H_

#include <ostream>

namespace tqweir {
namespace sweep {

// Reads the base case and the cases, solves them, writes the result table.
// Exit status 0 once the table is written (a case that stops is a row of
// it, not a failure of the sweep); 1 when the table cannot be written; 2
// for a bad command line, a bad CASES.csv or a base case that does not
// read, with nothing solved or written. `out` gets one closing line, `err`
// the reasons for status 1 or 2, and a progress bar only when
// `err_is_terminal`.
int run_sweep_command_line(int argc, const char* const* argv, std::ostream& out,
                           std::ostream& err, bool err_is_terminal);

}  // namespace sweep
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_SWEEP_SWEEP_COMMAND_LINE_H_
