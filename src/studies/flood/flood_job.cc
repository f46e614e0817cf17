#include "studies/flood/flood_job.h"

#include "core/file_io.h"
#include "flood/flood_file.h"
#include "text/input_error.h"

namespace tqweir {
namespace operate {

using text::InputError;

std::vector<flood::RatingRow> rating_rows(const FloodJob& job, const OperateOptions& options) {
  return flood::rating(job.base, options.levels, job.angles, true,
                       job.has_tailwater ? &job.tailwater : nullptr);
}

FloodJob prepare_flood_job(const OperateOptions& options, const design::Design& design) {
  FloodJob job;
  job.base = design.base.input;
  job.criteria = design.criteria;
  job.angles = options.angles;
  if (job.angles.empty()) job.angles.push_back(job.base.parameter.theta1_deg);
  if (options.mode == Mode::rating && operation::read_operation_in(options.dir, job.file)) {
    job.has_tailwater = flood::read_tailwater_rows(job.file, job.tailwater);
  }
  if (options.mode != Mode::flood) return job;
  std::string bytes;
  if (!read_file(options.inflow, bytes)) throw InputError("cannot read " + options.inflow);
  job.inflow = flood::read_hydrograph(bytes, options.inflow);
  if (!operation::read_operation_in(options.dir, job.file)) {
    throw InputError(join_path(options.dir, "operation.csv") +
                     " is missing: the design gives no pond and no rule");
  }
  flood::read_flood_rows(job.file);  // refused now, before any solve
  return job;
}

}  // namespace operate
}  // namespace tqweir
