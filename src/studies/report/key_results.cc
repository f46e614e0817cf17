#include "studies/report/key_results.h"

#include <cmath>

#include "text/number_text.h"

namespace tqweir {
namespace report {
namespace {

KeyResult from_summary(SummaryId id, bool charted) {
  const SummaryField& f = summary_field(id);
  return {f.name, f.label_en, f.label_ja, f.unit, id, false, charted};
}

// Both printed with three decimals: the difference in thousandths is exact,
// and k / 1000 is the double nearest the decimal that "%.3f" prints of it.
double overflow_depth(const CaseRun& run) {
  const long long level = std::llround(field_number(run, SummaryId::upstream_level) * 1000);
  const long long crest = std::llround(field_number(run, SummaryId::crest_height) * 1000);
  return level > crest ? static_cast<double>(level - crest) / 1000.0 : 0.0;
}

}  // namespace

const std::vector<KeyResult>& key_results() {
  using I = SummaryId;
  static const std::vector<KeyResult> list = {
      from_summary(I::alpha, true),
      from_summary(I::pressure_at_temperature, true),
      from_summary(I::bag_tension, true),
      from_summary(I::tension_pull, false),
      from_summary(I::bag_force2, false),
      from_summary(I::support_force, true),
      from_summary(I::stopper_tension, false),
      from_summary(I::stopper_base_angle_deg, false),
      from_summary(I::upstream_level, false),
      from_summary(I::crest_height, true),
      from_summary(I::hd_rel, false),
      from_summary(I::bag_height, true),
      from_summary(I::bag_area, false),
      from_summary(I::air_volume, true),
      {"overflow_depth", "overflow depth h", u8"越流水深 h", "m", I::upstream_level, true, true},
      from_summary(I::overflow_discharge, true),
  };
  return list;
}

std::string key_result_text(const CaseRun& run, const KeyResult& key) {
  if (!key.overflow_depth) return field_text(run, key.field);
  return text::fixed_text(overflow_depth(run), 3);
}

double key_result_number(const CaseRun& run, const KeyResult& key) {
  return key.overflow_depth ? overflow_depth(run) : field_number(run, key.field);
}

}  // namespace report
}  // namespace tqweir
