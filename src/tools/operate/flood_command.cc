#include "tools/operate/flood_command.h"

#include <algorithm>

#include "core/file_io.h"
#include "flood/rating.h"
#include "text/input_error.h"
#include "text/text_encoding.h"
#include "studies/flood/failed_gates.h"
#include "studies/flood/flood_output.h"
#include "studies/flood/routed_flood.h"

namespace tqweir {
namespace operate {
namespace {

using text::InputError;

int write_output(const OperateCommand& command, const std::string& bytes, const char* what,
                 std::ostream& out, std::ostream& err) {
  if (!write_file(command.output, bytes)) {
    err << "tqweir-operate: cannot write " << command.output << "\n";
    return 1;
  }
  out << "  " << what << " in " << command.output << "\n";
  return 0;
}

// --fail-count K: the rows for 0 to K failed gates both ways, then the
// worst choice of K (with power or without, as asked) printed as --flood
// prints a route.
int run_fail_count(const FloodJob& job, const OperateCommand& command, std::ostream& out,
                   std::ostream& err) {
  flood::SharedPaths shared;
  out << "tqweir-operate: flood " << command.inflow << " through " << command.dir
      << ": the highest peak level with K gates failed\n";
  RoutedFlood worst;
  int status = 0;
  const int most = *command.flood.fail_count;
  for (int k = 0; k <= most; ++k) {
    for (const bool power_failure : {false, true}) {
      const bool kept = k == most && power_failure == command.flood.power_failure;
      const FailedRow row = failed_row(job, k, power_failure, &shared, kept ? &worst : nullptr);
      out << failed_row_text(row);
      if (!row.determined) status = 1;
    }
  }
  return std::max(status, print_routed_flood(worst, job, command, out, err));
}

}  // namespace

FloodJob flood_job_of(const OperatedDesign& design, const FloodRequest& request) {
  try {
    return flood_job(design, request);
  } catch (const FloodRefusal& refusal) {
    if (refusal.which() == FloodInput::failed) throw InputError(std::string("--failed: ") + refusal.what());
    throw InputError("--fail-count " + std::to_string(request.fail_count.value_or(0)) + ": " +
                     refusal.what());
  }
}

int run_rating(const FloodJob& job, const OperateCommand& command, std::ostream& out,
               std::ostream& err) {
  const std::vector<flood::RatingRow> rows = rating_rows(job, command.rating.levels);
  const std::string table = rating_table(job, rows);
  if (command.output.empty()) {
    // The table's file is CP932 for the spreadsheet; a terminal reads UTF-8
    // as every other printout of the tools.
    out << text::cp932_to_utf8(table);
    return 0;
  }
  int held = 0;
  for (const flood::RatingRow& r : rows) held += r.held ? 1 : 0;
  out << "tqweir-operate: rating of " << command.dir << ", " << rows.size() << " rows ("
      << held << " with a state)\n";
  return write_output(command, table, "rating", out, err);
}

int print_routed_flood(const RoutedFlood& routed, const FloodJob& job, const OperateCommand& command,
                       std::ostream& out, std::ostream& err) {
  int status = print_flood_route(routed, job, command.inflow, command.dir, out, err);
  if (!routed.started || command.output.empty()) return status;
  const std::string series = flood_series(routed.passage, design::make_criteria(job.criteria));
  return std::max(status, write_output(command, series, "series", out, err));
}

int run_flood(const FloodJob& job, const OperateCommand& command, std::ostream& out,
              std::ostream& err) {
  if (command.flood.fail_count) return run_fail_count(job, command, out, err);
  return print_routed_flood(route_flood(job, command.flood.power_failure), job, command, out, err);
}

}  // namespace operate
}  // namespace tqweir
