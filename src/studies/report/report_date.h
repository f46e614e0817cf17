// The date a report states when criteria.csv gives none.
#ifndef TQWEIR_STUDIES_REPORT_REPORT_DATE_H_
#define TQWEIR_STUDIES_REPORT_REPORT_DATE_H_

#include <string>

namespace tqweir {
namespace report {

// Today as "YYYY-MM-DD" in local time, or the UTC day of
// SOURCE_DATE_EPOCH (seconds since 1970) when that is set to a whole
// number, the usual way of asking a tool for output that does not depend
// on when it runs. "" when the clock gives no date.
std::string report_today();

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_REPORT_REPORT_DATE_H_
