// What a design flood through the pond (the gate operated by its rule) and
// the gate's rating work on, read and checked before any solve.
#ifndef TQWEIR_STUDIES_FLOOD_FLOOD_JOB_H_
#define TQWEIR_STUDIES_FLOOD_FLOOD_JOB_H_

#include <vector>

#include "design/design.h"
#include "flood/hydrograph.h"
#include "flood/rating.h"
#include "flood/tailwater_curve.h"
#include "operation/operation_file.h"
#include "studies/operation/operate_options.h"

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

// The rating's rows of --rating, drowned by the job's tailwater when it
// has one.
std::vector<flood::RatingRow> rating_rows(const FloodJob& job, const OperateOptions& options);

}  // namespace operate
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_FLOOD_FLOOD_JOB_H_
