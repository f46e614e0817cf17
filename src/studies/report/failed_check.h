// criteria.csv's max_failed_gates: with K gates of the weir failed (the
// worst choice of K, as the K-failed table routes it) the design flood's
// peak level must stay within max_upstream_level, with power and without.
#ifndef TQWEIR_STUDIES_REPORT_FAILED_CHECK_H_
#define TQWEIR_STUDIES_REPORT_FAILED_CHECK_H_

#include <string>
#include <vector>

#include "design/design.h"
#include "studies/flood/failed_gates.h"
#include "studies/report/flood_section.h"
#include "studies/report/html_table.h"

namespace tqweir {
namespace report {

// The rows of `table` the check reads: K = max_failed_gates, with power
// then without; none when criteria.csv does not give it.
std::vector<operate::FailedRow> checked_failed_rows(const design::Design& design,
                                                    const std::vector<operate::FailedRow>& table);

// NG when the highest peak over the choices passed the limit, OK when it
// did not and every choice's route reached the flood's end, else not
// determined (`why`: the choice that stopped, and why).
// REQUIRES: limit.given.
FloodCheck failed_check(const operate::FailedRow& row, const design::Limit& limit);

// "design flood, 1 gate failed, with power".
std::string failed_check_name(const operate::FailedRow& row);

// The checks' table's rows of max_failed_gates, as failed_check judges
// them.
std::vector<Table::Row> failed_check_rows(const design::Design& design,
                                          const std::vector<operate::FailedRow>& table);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_REPORT_FAILED_CHECK_H_
