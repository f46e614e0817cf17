// tqweir-risk DESIGN_DIR [-o CURVE.csv] [--threads N]: the command line,
// printout and exit status.
#ifndef TQWEIR_TOOLS_RISK_RISK_COMMAND_H_
#define TQWEIR_TOOLS_RISK_RISK_COMMAND_H_

#include <ostream>

namespace tqweir {
namespace risk_study {

// Exit status: 0 every route reached its end, 1 a route did not (the AEPs
// are upper bounds) or the table was not written, 2 a bad command line or
// input.
int run_risk_command_line(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace risk_study
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_RISK_RISK_COMMAND_H_
