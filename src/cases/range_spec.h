// The --range shorthand: an evenly spaced series of values of one field,
// and the table of cases that one or more series span.
#ifndef TQWEIR_CASES_RANGE_SPEC_H_
#define TQWEIR_CASES_RANGE_SPEC_H_

#include <string>
#include <vector>

#include "cases/case_table.h"

namespace tqweir {
namespace cases {

// Most cases a set of ranges may span: a tool holds every case's results in
// memory until it writes them.
constexpr std::size_t kMaxRangeCases = 1000000;

struct RangeSpec {
  const InputField* field = nullptr;
  std::vector<std::string> texts;  // the values as decimal texts, in order
};

// Parses "NAME=FROM:TO:STEP" (FROM <= TO, STEP > 0, plain decimals without
// an exponent). The values FROM, FROM + STEP, ... up to TO inclusive are
// formed in exact decimal arithmetic and written with as many decimals as
// the most precise of the three, so "0:3:0.1" gives "0.0", "0.1", ...,
// "3.0": each case then reads "0.3", never 0.1 + 0.1 + 0.1. Throws
// InputError saying what is wrong.
RangeSpec parse_range(const std::string& arg);

// The reason of parse_range(arg)'s refusal `what`, without the lead
// "--range ARG: ", for a caller that names the range its own way.
std::string range_reason(const std::string& what, const std::string& arg);

// Every combination of the ranges' values, the first range varying
// slowest. Throws InputError for a field given twice or more than
// `max_cases` cases (at most kMaxRangeCases).
CaseTable expand_ranges(const std::vector<RangeSpec>& ranges,
                        std::size_t max_cases = kMaxRangeCases);

// The values of `texts` (a range's texts) as `field` reads them.
// REQUIRES: each text made by parse_range for `field`.
std::vector<double> range_values(const InputField& field, const std::vector<std::string>& texts);

}  // namespace cases
}  // namespace tqweir

#endif  // TQWEIR_CASES_RANGE_SPEC_H_
