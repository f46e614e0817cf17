// The check of max_failed_gates.
#include "studies/report/failed_check.h"

#include "studies/flood/flood_output.h"
#include "studies/report/check_verdict.h"
#include "studies/report/html.h"
#include "text/count_text.h"
#include "text/number_text.h"

namespace tqweir {
namespace report {

std::vector<operate::FailedRow> checked_failed_rows(const design::Design& design,
                                                    const std::vector<operate::FailedRow>& table) {
  std::vector<operate::FailedRow> rows;
  const design::Limit& k = design.criteria.max_failed_gates;
  if (!k.given) return rows;
  for (const operate::FailedRow& row : table) {
    if (row.failed == k.value) rows.push_back(row);
  }
  return rows;
}

FloodCheck failed_check(const operate::FailedRow& row, const design::Limit& limit) {
  FloodCheck check;
  if (!row.determined) {
    check.why = operate::gates_text(row.worst) + " failed: the route stops: " + row.stop;
    return check;
  }
  check.verdict = design::verdict_of(limit.value - row.peak_level >= 0.0, true);
  return check;
}

std::string failed_check_name(const operate::FailedRow& row) {
  return "design flood, " + text::count_of(static_cast<std::size_t>(row.failed), "gate") + " failed, " +
         (row.power_failure ? "without power" : "with power");
}

std::vector<Table::Row> failed_check_rows(const design::Design& design,
                                          const std::vector<operate::FailedRow>& table) {
  const design::Limit& limit = design.criteria.max_upstream_level;
  std::vector<Table::Row> rows;
  if (!limit.given) return rows;
  for (const operate::FailedRow& row : checked_failed_rows(design, table)) {
    const std::string k = std::to_string(row.failed);
    const std::string power = row.power_failure ? "without" : "with";
    Table::Row out{" data-criterion=\"max_failed_gates\" data-flood=\"" + power + "\" data-failed=\"" + k + "\"",
                   "<td>" + en_ja("Design flood, " + text::count_of(static_cast<std::size_t>(row.failed), "gate") + " failed (" +
                                      operate::gates_text(row.worst) + "), " +
                                      power + " power",
                                  u8"設計洪水 故障" + k + u8"門" + (row.power_failure ? u8" 停電時" : u8" 通常時")) +
                       "</td><td>" + en_ja("Peak upstream level", u8"最高上流水位") + "</td>"};
    const FloodCheck check = failed_check(row, limit);
    if (check.verdict == design::Verdict::not_determined) {
      out.cells += "<td colspan=\"4\" class=\"result nd\">" + verdict_html(check.verdict) + ": " +
                   esc(check.why) + "</td>";
    } else {
      out.cells += "<td class=\"num value\">" + text::fixed_text(row.peak_level, 3) +
                   " m</td><td class=\"num limit\">" + esc(limit.text) +
                   " m</td><td class=\"num ratio\"></td><td class=\"result " + verdict_class(check.verdict) +
                   "\">" + verdict_html(check.verdict) + "</td>";
    }
    rows.push_back(out);
  }
  return rows;
}

}  // namespace report
}  // namespace tqweir
