// tqweir-operate --flood and --rating: a design flood through the pond
// with the gates operated by their rule, and the weir's rating, printed.
#ifndef TQWEIR_TOOLS_OPERATE_FLOOD_COMMAND_H_
#define TQWEIR_TOOLS_OPERATE_FLOOD_COMMAND_H_

#include <ostream>

#include "studies/flood/flood_job.h"
#include "studies/operation/operated_design.h"
#include "tools/operate/parse_operate_options.h"

namespace tqweir {
namespace operate {

// The flood study's job, its refusal of --failed or --fail-count worded as
// the command line gave them. Throws text::InputError.
FloodJob flood_job_of(const OperatedDesign& design, const FloodRequest& request);

// Routes the flood (or makes --fail-count's table), prints it and writes
// -o. Exit status 0, 1 when the route stops or the file cannot be written,
// 2 when the base case stops (no air to hold).
int run_flood(const FloodJob& job, const OperateCommand& command, std::ostream& out,
              std::ostream& err);

// Makes the rating, prints it (or writes it to -o); exit status 0, 1 when
// the file cannot be written.
int run_rating(const FloodJob& job, const OperateCommand& command, std::ostream& out,
               std::ostream& err);

struct RoutedFlood;

// What --flood prints of `routed` (a route of `job`, made with power or
// without as the route says) and the series it writes to -o; the exit
// status as run_flood's.
int print_routed_flood(const RoutedFlood& routed, const FloodJob& job, const OperateCommand& command,
                       std::ostream& out, std::ostream& err);

}  // namespace operate
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_OPERATE_FLOOD_COMMAND_H_
