// Plausibility notes on a case's inputs: values the program accepts and
// computes with, but that an engineer would want to look at twice. They
// never change a number.
#ifndef TQWEIR_STUDIES_REPORT_PLAUSIBILITY_H_
#define TQWEIR_STUDIES_REPORT_PLAUSIBILITY_H_

#include <string>
#include <vector>

#include "core/run_state.h"

namespace tqweir {
namespace report {

struct Warning {
  std::string en;
  std::string ja;
  bool operator==(const Warning& other) const { return en == other.en; }
};

// The leaf's length along its profile (m): the sum of the segment lengths.
double leaf_length(const std::vector<ProfilePoint>& points);

// The notes on `input`: the weight's arm or the stopper's attachment beyond
// the leaf's length (or the attachment before the hinge), the first profile
// point not at 0,0, the upstream water below the hinge, the second layer
// above the water, a downstream depth below 0 (clamped), an air
// temperature at or below absolute zero (as the program converts Celsius),
// a leaf angle clamped to 1 degree, the stopper's foot at or upstream of
// the hinge.
std::vector<Warning> plausibility_warnings(const CaseInput& input);

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_REPORT_PLAUSIBILITY_H_
