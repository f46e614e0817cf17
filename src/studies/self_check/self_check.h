// Self-checks of a finished run: does what it wrote hang together
// physically? Everything is recomputed from the output files (coordinates
// printed with 8 decimals), the summary line (3 decimals) and the inputs,
// with the physics of the section, not with the calculation's formulas.
// Each tolerance is the printed rounding carried through the check plus
// the discretisation of the outline, as each check says.
#ifndef TQWEIR_STUDIES_SELF_CHECK_SELF_CHECK_H_
#define TQWEIR_STUDIES_SELF_CHECK_SELF_CHECK_H_

#include <string>
#include <vector>

#include "core/run_state.h"
#include "text/run_results.h"

namespace tqweir {
namespace verify {

// The texts of a finished run's files (syogen.csv unused).
using RunTexts = text::OutputTexts;

struct SelfCheck {
  std::string id;       // short key, e.g. "outline-closed"
  std::string what_en;  // what is checked
  std::string what_ja;
  std::string unit;     // unit of value and expected ("" when dimensionless)
  double value = 0.0;     // recomputed from the files
  double expected = 0.0;  // what it must equal
  double difference = 0.0;  // |value - expected|
  double tolerance = 0.0;
  bool ok() const;
};

// The checks of one converged run of `input`. A file that cannot be read
// as the run writes it gives a check that fails, never an exception.
std::vector<SelfCheck> self_checks(const CaseInput& input, const RunTexts& files);

}  // namespace verify
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_SELF_CHECK_SELF_CHECK_H_
