// Arc length of the free membrane from its top to a tangent angle.
#ifndef TQWEIR_MEMBRANE_ARC_LENGTH_H_
#define TQWEIR_MEMBRANE_ARC_LENGTH_H_

namespace tqweir {

class EllipticIntegrals;

// Length in bag heights from the top (tangent angle 0) to the point whose
// tangent angle is `angle` (radians, 0..pi). Note the argument order: the
// angle comes second. Circular arc above the water line, elastica (an
// elliptic integral of the first kind) below it.
double membrane_arc_length(double alpha, double angle, double beta,
                           double tension);

// The same, with the elliptic integrals taken from `integrals`.
double membrane_arc_length(double alpha, double angle, double beta,
                           double tension, EllipticIntegrals& integrals);

}  // namespace tqweir

#endif  // TQWEIR_MEMBRANE_ARC_LENGTH_H_
