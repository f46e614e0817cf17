// A fixed weir beside the gates: a crest of given length and level that
// passes C L h^1.5 over it, the section's own law for the leaf, drowned by
// the tailwater as the leaf is (flood/submerged_weir.h).
#ifndef TQWEIR_FLOOD_FIXED_CREST_H_
#define TQWEIR_FLOOD_FIXED_CREST_H_

#include <vector>

namespace tqweir {
namespace flood {

struct FixedCrest {
  double length = 0.0;       // m along the crest
  double level = 0.0;        // m, the section frame
  double coefficient = 0.0;  // C of C h^1.5, m^0.5/s
};

// The free overfall over `crest` at upstream `level` (m): C L h^1.5 (m3/s),
// 0 with the level at or below the crest.
double crest_free_outflow(const FixedCrest& crest, double level);

// The free overfall over `crest` at upstream `level` drowned by the
// tailwater standing at `tailwater` (m, the section frame): the free one
// times Villemonte's factor of the two heads over the crest.
double crest_drowned_outflow(const FixedCrest& crest, double level, double tailwater);

// The sum over `crests` of crest_free_outflow, or with `tailwater` (not
// null) of crest_drowned_outflow at *tailwater.
double crests_outflow(const std::vector<FixedCrest>& crests, double level,
                      const double* tailwater);

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_FIXED_CREST_H_
