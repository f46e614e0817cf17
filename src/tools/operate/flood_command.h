// tqweir-operate --flood and --rating: a design flood through the pond
// with the gate operated by its rule, and the gate's rating, printed.
#ifndef TQWEIR_TOOLS_OPERATE_FLOOD_COMMAND_H_
#define TQWEIR_TOOLS_OPERATE_FLOOD_COMMAND_H_

#include <ostream>

#include "studies/flood/flood_job.h"

namespace tqweir {
namespace operate {

// Routes the flood or makes the rating, prints it and writes -o. Exit
// status 0, 1 when the route stops or the file cannot be written, 2 when
// the base case stops (no air to hold).
int run_flood_job(const FloodJob& job, const OperateOptions& options, std::ostream& out,
                  std::ostream& err);

struct RoutedFlood;

// What --flood prints of `routed` (a route of `job` made with
// options.power_failure) and the series it writes to -o; the exit status
// as run_flood_job's.
int print_routed_flood(const RoutedFlood& routed, const FloodJob& job, const OperateOptions& options,
                       std::ostream& out, std::ostream& err);

}  // namespace operate
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_OPERATE_FLOOD_COMMAND_H_
