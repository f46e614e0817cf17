// The tqweir-seek program: the value of one input at which a result
// reaches its target, a design check reaches its limit, or the runs begin
// to stop; and the operating curve of a sealed bag.
#ifndef TQWEIR_TOOLS_SEEK_SEEK_COMMAND_H_
#define TQWEIR_TOOLS_SEEK_SEEK_COMMAND_H_

#include <ostream>

#include "tools/seek/seek_options.h"
#include "studies/seek/seek_plan.h"

namespace tqweir {
namespace seek {

// Exit status 0 when found (sealed: the table written), 1 when the range
// holds no crossing or boundary (`out` says which value came closest and
// where) or a file cannot be written, 2 for bad input with nothing written.
int run_seek_command_line(int argc, const char* const* argv, std::ostream& out,
                          std::ostream& err);

// The search of a plan and its printout; writes OUT_DIR when the options'
// output is not empty. Returns the exit status.
int run_seek(const SeekPlan& plan, const SeekRequest& request, const SeekOptions& options,
             std::ostream& out, std::ostream& err);

}  // namespace seek
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_SEEK_SEEK_COMMAND_H_
