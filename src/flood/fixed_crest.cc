#include "flood/fixed_crest.h"

#include <cmath>

#include "flood/submerged_weir.h"

namespace tqweir {
namespace flood {

double crest_free_outflow(const FixedCrest& crest, double level) {
  const double head = level - crest.level;
  return head > 0.0 ? crest.coefficient * crest.length * std::pow(head, 1.5) : 0.0;
}

double crest_drowned_outflow(const FixedCrest& crest, double level, double tailwater) {
  const double head = level - crest.level;
  if (!(head > 0.0)) return 0.0;
  return crest_free_outflow(crest, level) * submergence_factor((tailwater - crest.level) / head);
}

double crests_outflow(const std::vector<FixedCrest>& crests, double level,
                      const double* tailwater) {
  double q = 0.0;
  for (const FixedCrest& c : crests) {
    q += tailwater ? crest_drowned_outflow(c, level, *tailwater) : crest_free_outflow(c, level);
  }
  return q;
}

}  // namespace flood
}  // namespace tqweir
