#include "design/leaf_checks.h"

#include <cmath>

#include "text/number_text.h"

namespace tqweir {
namespace design {
namespace {

LeafCriterion criterion(LeafQuantity quantity, const char* key, const char* en, const char* ja, const char* unit,
                        const Limit& limit) {
  LeafCriterion c;
  static_cast<Criterion&>(c) = limit_criterion(key, en, ja, SummaryId::alpha, unit, limit);
  c.quantity = quantity;
  return c;
}

}  // namespace

double panel_coefficient(double aspect) {
  // The coefficients of gate practice for a plate fixed on four sides, at
  // the middle of its long edge; beyond 2.5 the plate bends as a strip.
  static const double kAspect[] = {1.0, 1.5, 2.0, 2.5};
  static const double kK[] = {30.9, 45.5, 49.9, 50.0};
  if (aspect >= kAspect[3]) return kK[3];
  int i = 0;
  while (i < 2 && aspect > kAspect[i + 1]) ++i;
  return kK[i] + (kK[i + 1] - kK[i]) * (aspect - kAspect[i]) / (kAspect[i + 1] - kAspect[i]);
}

double panel_stress(double pressure, double a, double b, double t) {
  return panel_coefficient(b / a) * pressure * a * a / (100.0 * t * t);
}

std::vector<LeafCriterion> make_leaf_criteria(const Criteria& criteria) {
  const LeafRows& leaf = criteria.leaf;
  LeafCriterion bending = criterion(LeafQuantity::bending, "leaf_bending", "leaf bending stress",
                                    u8"扉体の曲げ応力度", "N/mm2", leaf.allowable_bending);
  if (bending.given) {
    bending.factor = 1.0 / leaf.section_modulus.value;
    bending.basis = "M / Z, Z = " + leaf.section_modulus.text + " cm3/m";
  }
  LeafCriterion shear = criterion(LeafQuantity::shear, "leaf_shear", "leaf shear stress", u8"扉体のせん断応力度",
                                  "N/mm2", leaf.allowable_shear);
  if (shear.given) {
    shear.factor = 1.0 / (100.0 * leaf.shear_area.value);
    shear.basis = "V / A, A = " + leaf.shear_area.text + " cm2/m";
  }
  LeafCriterion plate = criterion(LeafQuantity::skin_plate, "skin_plate", "skin plate bending stress",
                                  u8"スキンプレートの曲げ応力度", "N/mm2", leaf.plate_allowable);
  if (plate.given) {
    const double corrosion = leaf.plate_corrosion.given ? leaf.plate_corrosion.value : 0.0;
    const double t = leaf.plate_thickness.value - corrosion;
    const double k = panel_coefficient(leaf.panel_b / leaf.panel_a);
    // Pa to N/mm2: 1e-6.
    plate.factor = panel_stress(1e-6, leaf.panel_a, leaf.panel_b, t);
    plate.basis = "k p a^2 / (100 t^2), a x b = " + leaf.plate_panel.text + " mm, k = " +
                  text::shown_text(k, 2) + ", t = " + leaf.plate_thickness.text +
                  (leaf.plate_corrosion.given ? " - " + leaf.plate_corrosion.text : "") + " = " +
                  text::shown_text(t, 3) + " mm";
  }
  LeafCriterion hinge = criterion(LeafQuantity::hinge, "hinge", "hinge reaction", u8"ヒンジ反力", "kN/m",
                                  leaf.hinge_capacity);
  if (hinge.given) {
    hinge.factor = 1e-3;
    hinge.basis = "|R|";
  }
  return {bending, shear, plate, hinge};
}

double leaf_quantity(const leaf::LeafForces& forces, LeafQuantity quantity) {
  switch (quantity) {
    case LeafQuantity::bending:
      return std::fabs(forces.internal.max_M.value);
    case LeafQuantity::shear:
      return std::fabs(forces.internal.max_V.value);
    case LeafQuantity::skin_plate:
      return std::fabs(forces.max_net_pressure.value);
    case LeafQuantity::hinge:
      break;
  }
  return forces.reaction.size;
}

Check check_leaf(const leaf::LeafForces& forces, const LeafCriterion& criterion) {
  return check_value(text::shown_text(criterion.factor * leaf_quantity(forces, criterion.quantity), 3),
                     criterion.limit);
}

}  // namespace design
}  // namespace tqweir
