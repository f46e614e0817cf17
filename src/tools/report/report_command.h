// The tqweir-report program: a design folder in, its calculation report out.
#ifndef TQWEIR_TOOLS_REPORT_REPORT_COMMAND_H_
#define TQWEIR_TOOLS_REPORT_REPORT_COMMAND_H_

#include <ostream>
#include <string>

namespace tqweir {
namespace report {

// Reads the design, runs its cases, writes the report (and with --pdf its
// PDF beside it, same name, ".pdf"). Exit status 0 once everything asked
// for is written (a case that stops is part of the report, not a failure);
// 1 when the report or the PDF cannot be written (no browser, a failed
// print); 2 for a bad command line or bad input, with nothing written, so
// an older report stays as it was. `out` gets one closing line, `err` the
// reasons for status 1 or 2. `today` is the date the report states unless
// criteria.csv gives one.
int run_report_command_line(int argc, const char* const* argv, std::ostream& out,
                            std::ostream& err, const std::string& today);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_REPORT_REPORT_COMMAND_H_
