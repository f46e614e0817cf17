#include "flood/leaf_coefficient.h"

namespace tqweir {
namespace flood {
namespace {

double field(const SummaryValues& values, SummaryId id) {
  return values[static_cast<std::size_t>(summary_index(id))];
}

}  // namespace

double leaf_coefficient(const LevelTable& curve, const SummaryValues& values) {
  return table_value_of(curve, field(values, SummaryId::theta1_deg), "leaf angle", "degrees");
}

double leaf_discharge_per_metre(const SummaryValues& values, const LevelTable* curve) {
  const double section = field(values, SummaryId::overflow_discharge);
  if (curve == nullptr || !(section > 0.0)) return section;
  // The ratio first: a coefficient equal to the method's makes it exactly 1.
  return section * (leaf_coefficient(*curve, values) / field(values, SummaryId::discharge_coefficient));
}

}  // namespace flood
}  // namespace tqweir
