// The texts of tqweir-seek's answer: brackets, edges, what was looked at.
#ifndef TQWEIR_TOOLS_SEEK_SEEK_PRINT_H_
#define TQWEIR_TOOLS_SEEK_SEEK_PRINT_H_

#include <ostream>
#include <string>

#include "search/bracket_search.h"
#include "studies/seek/seek_plan.h"
#include "studies/seek/sealed_curve.h"

namespace tqweir {
namespace seek {

// The shortest decimal that reads back to `value`; a zero without its sign.
std::string number_text(double value);

// The stop of a sample, quoted.
std::string stop_text(const search::Sample& s);

// "[LO, HI] (how narrow): END .. END".
std::string bracket_text(const search::Edge& edge, const SeekPlan& plan);

// "alpha", or "the membrane_strength ratio".
std::string quantity_name(const SeekPlan& plan);

// Every edge but the one at index `picked`, a line each.
void print_others(const SeekPlan& plan, const search::SearchResult& result, std::size_t picked,
                  std::ostream& out);

// "solves: N (scan S, narrowing E)", with the rest of the search's solves
// said apart when there are any.
std::string solves_text(const search::SearchResult& result, const search::Edge& edge);

// The answer when the search found no edge of the kind asked for: what it
// looked at, and the closest value or the stop met. Returns exit status 1.
int report_none(const SeekPlan& plan, const search::SearchResult& result, int scan_intervals,
                std::ostream& out);

}  // namespace seek
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_SEEK_SEEK_PRINT_H_
