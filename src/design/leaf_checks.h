// The checks of the leaf's steel: its bending and shear stresses from the
// free body's largest M and V, the skin plate's bending between its ribs
// under the largest net pressure, and the hinge's reaction against its
// capacity.
#ifndef TQWEIR_DESIGN_LEAF_CHECKS_H_
#define TQWEIR_DESIGN_LEAF_CHECKS_H_

#include <string>
#include <vector>

#include "design/criteria.h"
#include "design/design_checks.h"
#include "leaf/leaf_forces.h"

namespace tqweir {
namespace design {

// What of the free body a leaf criterion checks.
enum class LeafQuantity {
  bending,     // the largest |M| (N m/m) over the section modulus: N/mm2
  shear,       // the largest |V| (N/m) over the shear area: N/mm2
  skin_plate,  // the panel's stress under the largest net pressure: N/mm2
  hinge,       // the size of the hinge's reaction: kN/m
};

// A criterion (its `field` unused) of a quantity of the free body.
struct LeafCriterion : Criterion {
  LeafQuantity quantity = LeafQuantity::bending;
  std::string basis;    // how the value is formed, e.g. "M / Z, Z = 250 cm3/m"
  // The value per unit of the quantity: 1 / Z for the bending stress
  // (N m per cm3 is N/mm2), 1 / (100 A) for the shear (N per cm2 is 0.01
  // N/mm2), k a^2 / (100 t^2) * 1e-6 for the plate (Pa to N/mm2), 1e-3 for
  // the hinge (N to kN).
  double factor = 0.0;
};

// The panel coefficient k of a plate held on four sides under a uniform
// pressure, by its aspect ratio b/a (long over short side): 30.9 at 1.0,
// 45.5 at 1.5, 49.9 at 2.0, 50 from 2.5, linear between. REQUIRES: aspect >= 1.
double panel_coefficient(double aspect);

// The skin plate's bending stress (N/mm2) sigma = k p a^2 / (100 t^2),
// p the pressure (N/mm2), a the panel's short side and t the plate's net
// thickness (mm), k by b/a.
double panel_stress(double pressure, double a, double b, double t);

// The four criteria with their limits from `criteria.leaf`; each given only
// when its rows are.
std::vector<LeafCriterion> make_leaf_criteria(const Criteria& criteria);

// The quantity of `forces` that `criterion` checks, in its own unit (N m/m,
// N/m, Pa or N/m), as a size.
double leaf_quantity(const leaf::LeafForces& forces, LeafQuantity quantity);

// The check of a free body: the value to three decimals, as shown, against
// the limit. REQUIRES: criterion.given.
Check check_leaf(const leaf::LeafForces& forces, const LeafCriterion& criterion);

// The check of a converged run holding its free body as `leaf`.
template <class Run>
Check check_case(const Run& run, const LeafCriterion& criterion) {
  return check_leaf(run.leaf, criterion);
}

}  // namespace design
}  // namespace tqweir

#endif  // TQWEIR_DESIGN_LEAF_CHECKS_H_
