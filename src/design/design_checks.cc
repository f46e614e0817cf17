#include "design/design_checks.h"

#include <cmath>
#include <cstdlib>

#include "text/number_text.h"

namespace tqweir {
namespace design {
Criterion limit_criterion(const char* key, const char* en, const char* ja, SummaryId field,
                          const char* unit, const Limit& limit) {
  Criterion c;
  c.key = key;
  c.name_en = en;
  c.name_ja = ja;
  c.field = field;
  c.unit = unit;
  c.given = limit.given;
  c.limit = limit.value;
  c.limit_text = limit.text;
  return c;
}

std::vector<Criterion> make_criteria(const Criteria& criteria) {
  Criterion membrane = limit_criterion("membrane", "membrane tension", u8"袋体膜の張力",
                              SummaryId::bag_tension, "kN/m", criteria.membrane_strength);
  if (membrane.given) {
    const Limit& factor = criteria.membrane_safety_factor;
    const double f = factor.given ? factor.value : 1.0;
    membrane.limit = criteria.membrane_strength.value / f;
    membrane.limit_text = criteria.membrane_strength.text + " / " +
                          (factor.given ? factor.text : "1 (no safety factor given)") + " = " +
                          text::limit_number_text(membrane.limit);
  }
  return {membrane,
          limit_criterion("stopper", "stopper tension", u8"ストッパー張力", SummaryId::stopper_tension,
                 "kN", criteria.stopper_capacity),
          limit_criterion("bag_pressure", "bag pressure at the air temperature",
                 u8"袋体内圧 (空気温度)", SummaryId::pressure_at_temperature, "kPa",
                 criteria.max_bag_pressure),
          limit_criterion("floor_anchor", "floor anchorage (support force)", u8"床版アンカー (支点反力)",
                 SummaryId::support_force, "kN/m", criteria.floor_anchor_capacity)};
}

Verdict verdict_of(bool within, bool reached_end) {
  if (!within) return Verdict::ng;
  return reached_end ? Verdict::ok : Verdict::not_determined;
}

const char* verdict_word(Verdict verdict) {
  switch (verdict) {
    case Verdict::ok:
      return "OK";
    case Verdict::ng:
      return "NG";
    case Verdict::not_determined:
      break;
  }
  return "not determined";
}

Check check_printed(const std::string& printed, const Criterion& criterion) {
  // The bag pressure is checked in kPa as shown: the number of the shifted
  // text, which MPa * 1000 in doubles may miss in its last bit.
  return check_value(criterion.field == SummaryId::pressure_at_temperature ? text::times_thousand(printed)
                                                                          : printed,
                     criterion.limit);
}

Check check_value(const std::string& value_text, double limit) {
  Check check;
  check.value_text = value_text;
  check.value = std::fabs(std::strtod(value_text.c_str(), nullptr));
  // Rounded to nine decimals first, so that a quotient such as
  // 1.1 / 0.1 = 11.000000000000002 counts as the 11 it stands for.
  // (Beyond 1e290 the product would overflow; such a ratio is far from 1.)
  const double ratio = check.value / limit;
  check.ratio = ratio < 1e290 ? std::round(ratio * 1e9) / 1e9 : ratio;
  check.ok = check.ratio <= 1.0;
  return check;
}

}  // namespace design
}  // namespace tqweir
