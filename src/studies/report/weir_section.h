// The weir's tables in the report's flood section: its gates and fixed
// crest as operation.csv gives them, and its highest peak levels with K
// gates failed (K = 0 to its gates, with power and without).
#ifndef TQWEIR_STUDIES_REPORT_WEIR_SECTION_H_
#define TQWEIR_STUDIES_REPORT_WEIR_SECTION_H_

#include <string>
#include <vector>

#include "design/design.h"
#include "studies/flood/failed_gates.h"
#include "studies/report/flood_runs.h"

namespace tqweir {
namespace report {

// Whether the design's flood passes a weir rather than the lone gate: more
// than one gate, a fixed crest or a coefficient curve of the leaf. A lone
// gate's section is the one-gate passage's, with nothing added.
bool is_weir(const flood::FloodPassage& passage);

// The table of the weir: gates, each gate's span, blowers, the levels that
// lower each gate with power and without, the level that raises them, the
// fixed crest (length, crest level, C of C L h^1.5), the leaf's discharge
// coefficient (the method's constant, or the curve against the angle).
// "" unless is_weir(passage).
std::string weir_table(const design::Design& design, const flood::FloodPassage& passage);

// The K-failed table: per K (0 to the weir's gates) the highest peak level
// with power and without, when, and which choice of gates gave it; a row
// whose routes did not all reach the flood's end "not determined" with
// the choice that stopped and why. The row of criteria.csv's
// max_failed_gates is marked. "" without rows.
std::string failed_gates_table(const design::Design& design, const std::vector<operate::FailedRow>& rows);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_REPORT_WEIR_SECTION_H_
