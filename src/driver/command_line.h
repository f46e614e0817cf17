// The command line of the tqweir program.
#ifndef TQWEIR_DRIVER_COMMAND_LINE_H_
#define TQWEIR_DRIVER_COMMAND_LINE_H_

#include <ostream>

namespace tqweir {

// No argument: solve the case in the working directory (exit 0 or 1), the
// message line also on `err` in UTF-8. --help / --version: print on `out`,
// touch no file, exit 0. Anything else: the argument named and the usage
// on `err`, exit 2, no file touched.
int run_command_line(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace tqweir

#endif  // TQWEIR_DRIVER_COMMAND_LINE_H_
