// Quantities derived from syogen.csv and parameter.csv, and the checks on
// them that must pass before the calculation can start.
#ifndef TQWEIR_INPUT_DERIVED_QUANTITIES_H_
#define TQWEIR_INPUT_DERIVED_QUANTITIES_H_

#include "core/run_state.h"

namespace tqweir {

// Angles in radians (with pi = 3.141592654) and the wedge bisector in
// degrees, all from the fields as read; then the floor of hd_nd at 1e-05,
// the clamp of theta1_deg to above 1 degree (which only the spread angle and
// the summary see), kN to N, the stopper force per metre of span and the
// temperatures in kelvin.
DerivedInput derive_quantities(const SyogenInput& syogen,
                               const ParameterInput& parameter);

// Throws StopRun(span_invalid) for span <= 0, then StopRun(perimeter_invalid)
// for perimeter <= 0: both would divide by zero or give a negative scale.
void check_span_and_perimeter(const SyogenInput& syogen,
                              const ParameterInput& parameter);

// Throws StopRun(overflow_mode_invalid) when the upstream water reaches the
// crest (the only case that needs a surface model) and the model is not 1,
// 2 or 3.
void check_overflow_mode(const ParameterInput& parameter,
                         const LeafProfile& profile);

}  // namespace tqweir

#endif  // TQWEIR_INPUT_DERIVED_QUANTITIES_H_
