// The operating curve of a sealed bag: the air valve closed on the base
// case, the state that holds its air at each level of a load.
#ifndef TQWEIR_STUDIES_SEEK_SEALED_CURVE_H_
#define TQWEIR_STUDIES_SEEK_SEALED_CURVE_H_

#include <cstddef>
#include <string>
#include <vector>

#include "cases/base_case.h"
#include "search/sealed_bag.h"
#include "studies/seek/seek_request.h"

namespace tqweir {
namespace seek {

// The request of the levels "FIELD=FROM:TO:STEP" on the case in `dir`, read
// as the sweep reads a range. Throws SeekRefusal (SeekInput::levels) with
// the range reader's reason.
SealedRequest sealed_request(const std::string& dir, const std::string& levels);

// The request checked, its base case read.
struct SealedPlan {
  const InputField* load = nullptr;
  std::vector<std::string> levels;
  cases::BaseCase base;
};

// Throws SeekRefusal: SeekInput::levels for more than kMaxSealedLevels
// levels, SeekInput::load for a load that is not a real input field other
// than the unknowns theta1_deg and stopper_tension; and the reader's
// text::InputError for the case's files.
SealedPlan plan_sealed(const SealedRequest& request);

// The same on a base case already read (the request's dir aside).
SealedPlan plan_sealed(const SealedRequest& request, const cases::BaseCase& base);

struct SealedResult {
  const InputField* load = nullptr;
  std::vector<std::string> levels;  // as asked, one per state
  search::SealedCurve curve;
  int stopper = 0, slack = 0, none = 0;  // the states by regime
  double seconds = 0.0;                  // the curve's wall time
};

// The curve of a plan. Throws text::InputError when the base case stops
// (it puts no air in the bag).
SealedResult sealed_study(const SealedPlan& plan);

// The table of the states: case, load, regime, angle (degree), stopper
// tension (kN), then the sweep's outcome columns.
std::string sealed_table(const SealedResult& result);

// The closing line: the air sealed, the states by regime, the solves and
// their time, and the table's name `output`.
std::string sealed_summary(const SealedResult& result, const std::string& output);

// "1 crossing", "2 crossings".
std::string counted(std::size_t n, const std::string& one, const std::string& many);

}  // namespace seek
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_SEEK_SEALED_CURVE_H_
