#include "studies/flood/flood_job.h"

#include <cmath>

#include "core/file_io.h"
#include "flood/flood_file.h"
#include "flood/number_cell.h"
#include "text/input_error.h"

namespace tqweir {
namespace operate {
namespace {

using text::InputError;

constexpr double kSecondsPerHour = 3600.0;

FloodJob design_job(const OperatedDesign& design) {
  FloodJob job;
  job.base = design.design.base.input;
  job.criteria = design.design.criteria;
  return job;
}

std::string row_place(const std::string& source, std::size_t row, const char* column, double value) {
  return source + " row " + std::to_string(row) + ": " + column + "=" + flood::shown_number(value);
}

std::string gates_counted(int count) {
  return std::to_string(count) + (count == 1 ? " gate" : " gates");
}

// One flag per gate of `job`'s weir for the gates numbered `gates` (from
// 1), each once.
std::vector<bool> failed_flags(const FloodJob& job, const std::vector<int>& gates) {
  const int count = operation::gate_count(job.file);
  std::vector<bool> failed(static_cast<std::size_t>(count), false);
  for (int gate : gates) {
    if (gate < 1 || gate > count) {
      throw FloodRefusal(FloodInput::failed, "gate " + std::to_string(gate) + " is not one of the weir's " +
                                                 gates_counted(count) + " (operation.csv's gates)");
    }
    if (failed[static_cast<std::size_t>(gate - 1)]) {
      throw FloodRefusal(FloodInput::failed, "gate " + std::to_string(gate) + " is given twice");
    }
    failed[static_cast<std::size_t>(gate - 1)] = true;
  }
  return failed;
}

}  // namespace

std::vector<flood::RatingRow> rating_rows(const FloodJob& job, const RatingLevels& levels) {
  return flood::rating(job.base, levels.metres, job.angles, true,
                       job.has_tailwater ? &job.tailwater : nullptr, &job.weir);
}

std::string rating_table(const FloodJob& job, const std::vector<flood::RatingRow>& rows) {
  return flood::rating_table(rows, job.has_tailwater, operation::gate_count(job.file),
                             !job.weir.crests.empty());
}

FloodJob flood_job(const OperatedDesign& design, const FloodRequest& request) {
  FloodJob job = design_job(design);
  job.inflow = request.inflow;
  job.file = operation_file(design, "the design gives no pond and no rule");
  flood::read_flood_rows(job.file);  // refused now, before any solve
  job.failed = failed_flags(job, request.failed);
  const int gates = operation::gate_count(job.file);
  if (request.fail_count && *request.fail_count > gates) {
    throw FloodRefusal(FloodInput::fail_count, "the weir has " + gates_counted(gates));
  }
  return job;
}

FloodJob rating_job(const OperatedDesign& design, const RatingRequest& request) {
  FloodJob job = design_job(design);
  job.angles = request.angles;
  if (job.angles.empty()) job.angles.push_back(job.base.parameter.theta1_deg);
  if (!design.operation_refusal.empty()) throw InputError(design.operation_refusal);
  if (design.has_operation) {
    job.file = design.operation;
    job.has_tailwater = flood::read_tailwater_rows(job.file, job.tailwater);
    job.weir = flood::read_weir_rows(job.file);
    job.tailwater.crests = job.weir.crests;
  }
  return job;
}

flood::Hydrograph read_inflow(const std::string& path) {
  std::string bytes;
  if (!read_file(path, bytes)) throw InputError("cannot read " + path);
  return flood::read_hydrograph(bytes, path);
}

flood::Hydrograph held_inflow(const design::Design& design, const std::string& path) {
  const FolderFile& file = design.folder.known(design.criteria.flood_inflow.text);
  if (file.found != FileFound::read) throw InputError("cannot read " + path);
  return flood::read_hydrograph(file.bytes, path);
}

flood::Hydrograph hydrograph_of(const std::vector<double>& hours, const std::vector<double>& flows,
                                const std::string& source) {
  if (hours.size() != flows.size()) {
    throw InputError(source + ": " + std::to_string(hours.size()) + " hours against " +
                     std::to_string(flows.size()) + " flows; each row is hours,m3/s");
  }
  flood::Hydrograph h;
  for (std::size_t r = 0; r < hours.size(); ++r) {
    if (!std::isfinite(hours[r])) {
      throw InputError(row_place(source, r, "hours", hours[r]) + " is not a finite number");
    }
    if (!std::isfinite(flows[r]) || flows[r] < 0.0) {
      throw InputError(row_place(source, r, "m3/s", flows[r]) + " is not a finite number at least 0");
    }
    const double t = hours[r] * kSecondsPerHour;
    if (!h.seconds.empty() && !(t > h.seconds.back())) {
      throw InputError(row_place(source, r, "hours", hours[r]) +
                       " does not come after the row before it");
    }
    h.seconds.push_back(t);
    h.flows.push_back(flows[r]);
  }
  if (h.seconds.size() < 2) {
    throw InputError(source + ": " + std::to_string(h.seconds.size()) +
                     " rows of hours,m3/s; a hydrograph needs at least two");
  }
  return h;
}

}  // namespace operate
}  // namespace tqweir
