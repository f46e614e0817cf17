// The tqweir-operate program: a load case's leaf lowered through the
// exhaust valve or raised with the blower, its time, folds and limits; a
// flood through the pond with the gate operated by its rule (--flood), and
// the gate's rating (--rating).
#ifndef TQWEIR_TOOLS_OPERATE_OPERATE_COMMAND_H_
#define TQWEIR_TOOLS_OPERATE_OPERATE_COMMAND_H_

#include <ostream>

namespace tqweir {
namespace operate {

// Exit status 0 when the leaf goes the whole way (and the table is
// written), 1 when it cannot (a run that stops on the way, the blower's
// limit, the bag at atmospheric pressure; the table is still written), the
// flood's route stops, or a file cannot be written, 2 for bad input with
// nothing written.
int run_operate_command_line(int argc, const char* const* argv, std::ostream& out,
                             std::ostream& err);

}  // namespace operate
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_OPERATE_OPERATE_COMMAND_H_
