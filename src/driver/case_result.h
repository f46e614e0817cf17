// A finished case as values: the converged state, the section's polylines,
// the upstream water surface, the balance term by term and the summary's
// numbers unrounded. The printed files are these values formatted; a tool
// that computes with a run's results takes them from here, at full
// precision, and reads the printed files only for what it shows as printed.
// Plain values throughout, no pointer into the solve that made them.
#ifndef TQWEIR_DRIVER_CASE_RESULT_H_
#define TQWEIR_DRIVER_CASE_RESULT_H_

#include <array>
#include <vector>

#include "core/run_state.h"
#include "core/summary_fields.h"
#include "output/section_polylines.h"
#include "section/balance_terms.h"
#include "section/water_surface.h"

namespace tqweir {

struct CaseResult {
  // The state the bisection ended with: the inputs, the derived
  // quantities, the leaf laid out, the last trial's records.
  RunState state;
  // XYGate.csv, XYStopper.csv and XYBalloon.csv's points, the bag's area.
  SectionPolylines section;
  // suimen.csv's points: the leaf at (x, y) and the water's depth d over
  // it (m); the same in every trial of the run.
  std::vector<SurfacePoint> surface;
  BalanceTerms balance;
  // TQSpec.csv's fields in file order and printed units (kN, MPa,
  // degrees), before the printing rounds them.
  std::array<double, kSummaryFieldCount> summary{};
  double value(SummaryId id) const { return summary[static_cast<std::size_t>(summary_index(id))]; }
};

}  // namespace tqweir

#endif  // TQWEIR_DRIVER_CASE_RESULT_H_
