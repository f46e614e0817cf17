// The report's section on operating the gate by air: each load case
// lowered through the exhaust valve and raised with the blower of the
// design folder's operation.csv, the times against criteria.csv's
// max_lowering_time and max_raising_time.
#ifndef TQWEIR_STUDIES_REPORT_OPERATION_SECTION_H_
#define TQWEIR_STUDIES_REPORT_OPERATION_SECTION_H_

#include <string>

#include "design/design.h"

namespace tqweir {
namespace report {

// The section numbered `number`; "" unless the design's folder holds
// operation.csv. Throws text::InputError for an operation.csv that
// tqweir-operate refuses (the report's command checks it first).
std::string operation_section(const design::Design& design, int number);

// Whether the report has the section: the design's folder holds operation.csv.
bool has_operation_section(const design::Design& design);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_REPORT_OPERATION_SECTION_H_
