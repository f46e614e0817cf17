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

int write_output(const OperateOptions& options, const std::string& bytes, const char* what,
                 std::ostream& out, std::ostream& err) {
  if (!write_file(options.output, bytes)) {
    err << "tqweir-operate: cannot write " << options.output << "\n";
    return 1;
  }
  out << "  " << what << " in " << options.output << "\n";
  return 0;
}

int run_rating(const FloodJob& job, const OperateOptions& options, std::ostream& out,
               std::ostream& err) {
  const std::vector<flood::RatingRow> rows = rating_rows(job, options.levels);
  const std::string table = flood::rating_table(rows, job.has_tailwater,
                                                operation::gate_count(job.file),
                                                !job.weir.crests.empty());
  if (options.output.empty()) {
    // The table's file is CP932 for the spreadsheet; a terminal reads UTF-8
    // as every other printout of the tools.
    out << text::cp932_to_utf8(table);
    return 0;
  }
  int held = 0;
  for (const flood::RatingRow& r : rows) held += r.held ? 1 : 0;
  out << "tqweir-operate: rating of " << options.dir << ", " << rows.size() << " rows ("
      << held << " with a state)\n";
  return write_output(options, table, "rating", out, err);
}

// --fail-count K: the rows for 0 to K failed gates both ways, then the
// worst choice of K (with power or without, as asked) printed as --flood
// prints a route.
int run_fail_count(const FloodJob& job, const OperateOptions& options, std::ostream& out,
                   std::ostream& err) {
  flood::SharedPaths shared;
  out << "tqweir-operate: flood " << options.inflow << " through " << options.dir
      << ": the highest peak level with K gates failed\n";
  RoutedFlood worst;
  int status = 0;
  for (int k = 0; k <= options.fail_count; ++k) {
    for (const bool power_failure : {false, true}) {
      const bool kept = k == options.fail_count && power_failure == options.power_failure;
      const FailedRow row = failed_row(job, k, power_failure, &shared, kept ? &worst : nullptr);
      out << failed_row_text(row);
      if (!row.determined) status = 1;
    }
  }
  return std::max(status, print_routed_flood(worst, job, options, out, err));
}

}  // namespace

int print_routed_flood(const RoutedFlood& routed, const FloodJob& job, const OperateOptions& options,
                       std::ostream& out, std::ostream& err) {
  int status = print_flood_route(routed, job, options.inflow, options.dir, out, err);
  if (!routed.started || options.output.empty()) return status;
  const std::string series = flood_series(routed.passage, design::make_criteria(job.criteria));
  return std::max(status, write_output(options, series, "series", out, err));
}

int run_flood_job(const FloodJob& job, const OperateOptions& options, std::ostream& out,
                  std::ostream& err) {
  if (options.mode == Mode::rating) return run_rating(job, options, out, err);
  if (options.has_fail_count) return run_fail_count(job, options, out, err);
  return print_routed_flood(route_flood(job, options.power_failure), job, options, out, err);
}

}  // namespace operate
}  // namespace tqweir
