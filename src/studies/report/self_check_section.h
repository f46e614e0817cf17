// Appendix of the report: the self-checks of every finished case.
#ifndef TQWEIR_STUDIES_REPORT_SELF_CHECK_SECTION_H_
#define TQWEIR_STUDIES_REPORT_SELF_CHECK_SECTION_H_

#include <string>
#include <vector>

#include "design/design.h"
#include "studies/report/case_run.h"

namespace tqweir {
namespace report {

// 検証 Self-check: per finished case, whether its files hang together
// physically (closed outline, length and area, contacts, membrane
// equilibrium, stopper, moment balance), each with OK or NOOK.
std::string self_check_section(const design::Design& design, const std::vector<CaseRun>& runs);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_REPORT_SELF_CHECK_SECTION_H_
