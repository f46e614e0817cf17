// tqweir-operate --flood and --rating: a design flood through the pond
// with the gate operated by its rule, and the gate's rating.
#ifndef TQWEIR_TOOLS_OPERATE_FLOOD_COMMAND_H_
#define TQWEIR_TOOLS_OPERATE_FLOOD_COMMAND_H_

#include <ostream>
#include <vector>

#include "design/design.h"
#include "flood/hydrograph.h"
#include "flood/rating.h"
#include "flood/tailwater_curve.h"
#include "operation/operation_file.h"
#include "tools/operate/operate_options.h"

namespace tqweir {
namespace operate {

// What --flood or --rating works on, read and checked before any solve.
struct FloodJob {
  CaseInput base;
  operation::OperationFile file;  // --flood
  flood::Hydrograph inflow;       // --flood
  design::Criteria criteria;
  std::vector<double> angles;     // --rating: as given, or the base case's
  bool has_tailwater = false;     // --rating: operation.csv gives tailwater_curve
  flood::TailwaterCurve tailwater;
};

// Reads the inflow and operation.csv for --flood (refusing their rows as
// their readers do), takes the angles and operation.csv's tailwater_curve
// (when the file is there) for --rating. Throws text::InputError.
FloodJob prepare_flood_job(const OperateOptions& options, const design::Design& design);

// Routes the flood or makes the rating, prints it and writes -o. Exit
// status 0, 1 when the route stops or the file cannot be written, 2 when
// the base case stops (no air to hold).
int run_flood_job(const FloodJob& job, const OperateOptions& options, std::ostream& out,
                  std::ostream& err);

// The rating's rows of --rating, drowned by the job's tailwater when it
// has one.
std::vector<flood::RatingRow> rating_rows(const FloodJob& job, const OperateOptions& options);

struct RoutedFlood;

// What --flood prints of `routed` (a route of `job` made with
// options.power_failure) and the series it writes to -o; the exit status
// as run_flood_job's.
int print_routed_flood(const RoutedFlood& routed, const FloodJob& job, const OperateOptions& options,
                       std::ostream& out, std::ostream& err);

}  // namespace operate
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_OPERATE_FLOOD_COMMAND_H_
