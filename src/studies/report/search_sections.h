// The report's sections found by searching: the limit states of the load
// cases over one load variable, and the sealed bag's operating curve.
#ifndef TQWEIR_STUDIES_REPORT_SEARCH_SECTIONS_H_
#define TQWEIR_STUDIES_REPORT_SEARCH_SECTIONS_H_

#include <string>

#include "design/design.h"

namespace tqweir {
namespace report {

// The limit states: for each load case and each criterion, where its ratio reaches 1 as
// criteria.csv's limit_variable goes over limit_range, where the run
// begins to stop, and the governing limit with the case's margin to it;
// "" unless criteria.csv names limit_variable.
std::string limit_states_section(const design::Design& design, int number);

// Whether the report has the limit states: criteria.csv names limit_variable.
bool has_limit_states_section(const design::Design& design);

// The sealed bag section: the sealed bag's leaf angle, bag pressure and overflow discharge over
// criteria.csv's sealed_range of upstream levels, with the table of its
// states and its assumptions; "" unless criteria.csv gives sealed_range.
std::string sealed_section(const design::Design& design, int number);

// Whether the report has the sealed bag section: criteria.csv gives sealed_range.
bool has_sealed_section(const design::Design& design);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_REPORT_SEARCH_SECTIONS_H_
