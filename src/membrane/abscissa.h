// Horizontal coordinate of the free membrane at a depth.
//
// Above the water line the membrane is a circular arc of radius tau/alpha
// centred on the vertical through the top; below it (or everywhere, for a
// submerged bag) it is an elastica expressed through elliptic integrals.
#ifndef TQWEIR_MEMBRANE_ABSCISSA_H_
#define TQWEIR_MEMBRANE_ABSCISSA_H_

namespace tqweir {

class EllipticIntegrals;

// x(depth) in bag heights, signed: 0 on the vertical through the top,
// positive toward the side the membrane leaves the top on; it turns negative
// near the bottom where the bag reaches back. REQUIRES: 0 <= depth < 1 and
// `tension` from solve_tension(alpha, beta).
double membrane_abscissa(double depth, double alpha, double beta,
                         double tension);

// The same, with the elliptic integrals taken from `integrals` (the run's
// own, so that the water-line integrals and repeated depths are evaluated
// once). Same result, bit for bit.
double membrane_abscissa(double depth, double alpha, double beta,
                         double tension, EllipticIntegrals& integrals);

}  // namespace tqweir

#endif  // TQWEIR_MEMBRANE_ABSCISSA_H_
