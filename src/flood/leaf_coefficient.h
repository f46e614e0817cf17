// The leaf's discharge coefficient against its angle, as the engineer
// calibrates it (model tests of a flap gate give C falling as the leaf
// lies flatter and the nappe clings to it). Without a curve the method's
// constant coefficient (the summary's field 27) stands.
//
// The curve is linear between its angles and never continued past them: a
// calibration says nothing outside the angles it was made at, so a state
// whose leaf lies outside them, with water over it, stops the route with
// the curve's range.
#ifndef TQWEIR_FLOOD_LEAF_COEFFICIENT_H_
#define TQWEIR_FLOOD_LEAF_COEFFICIENT_H_

#include <array>

#include "core/summary_fields.h"
#include "flood/level_table.h"

namespace tqweir {
namespace flood {

using SummaryValues = std::array<double, kSummaryFieldCount>;

// The coefficient of `curve` (degree against C) at the leaf angle of
// `values` (the summary's theta1). Throws RouteStop outside the curve's
// angles, naming them.
double leaf_coefficient(const LevelTable& curve, const SummaryValues& values);

// The discharge over the leaf per metre (m3/s/m) of the section's results
// `values` at the coefficient `curve` gives (null: the method's): field 26
// times the curve's coefficient over field 27, so that a curve giving the
// method's own coefficient gives field 26 to the bit. Throws as
// leaf_coefficient where water flows over the leaf.
double leaf_discharge_per_metre(const SummaryValues& values, const LevelTable* curve);

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_LEAF_COEFFICIENT_H_
